#pragma once
// The ruling lines and rectangle frames drawn over the score sheet and the side panel.

#include <QColor>
#include <QLine>
#include <QRect>
#include <QWidget>
#include <vector>

namespace yacht {

// What one overlay draws, in the window's pixels: thin rules first, then the frames over them.
struct FrameDrawing {
    std::vector<QLine> rules;    // 1 pixel wide
    std::vector<QRect> frames;   // each framed by a band of frameWidth pixels centred on its edge
    int frameWidth = 6;
    QColor ink = Qt::black;      // the colour of the labels' text, whatever the desktop's theme
    friend bool operator==(const FrameDrawing&, const FrameDrawing&) = default;
};

// A see-through widget that draws rules and frames in the labels' text colour over the cells
// beneath it; clicks pass through it to those cells.
class FrameOverlay : public QWidget {
public:
    explicit FrameOverlay(QWidget* parent);

    // Places the overlay over everything it draws and repaints it, only when the drawing changed.
    void setDrawing(const FrameDrawing& drawing);
    const FrameDrawing& drawing() const { return drawing_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FrameDrawing drawing_;
    bool placed_ = false;
};

}  // namespace yacht
