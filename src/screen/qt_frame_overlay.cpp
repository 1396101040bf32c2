#include "screen/qt_frame_overlay.h"

#include <QPainter>

namespace yacht {
namespace {

// The band of a frame reaches half its width outside the framed rectangle.
QRect outerBand(const QRect& r, int width)
{
    const int out = (width + 1) / 2;
    return r.adjusted(-out, -out, out, out);
}

QRect bounds(const FrameDrawing& d)
{
    QRect all;
    for (const QLine& l : d.rules)
        all |= QRect(QPoint(std::min(l.x1(), l.x2()), std::min(l.y1(), l.y2())),
                     QPoint(std::max(l.x1(), l.x2()), std::max(l.y1(), l.y2())));
    for (const QRect& f : d.frames) all |= outerBand(f, d.frameWidth);
    return all;
}

}  // namespace

FrameOverlay::FrameOverlay(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void FrameOverlay::setDrawing(const FrameDrawing& drawing)
{
    if (placed_ && drawing == drawing_) return;
    drawing_ = drawing;
    placed_ = true;
    setGeometry(bounds(drawing_));
    update();
}

void FrameOverlay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor ink = drawing_.ink;
    p.translate(-geometry().topLeft());
    p.setPen(QPen(ink, 0));
    for (const QLine& l : drawing_.rules) p.drawLine(l);

    const int w = drawing_.frameWidth;
    for (const QRect& f : drawing_.frames) {
        const QRect o = outerBand(f, w);
        p.fillRect(QRect(o.left(), o.top(), o.width(), w), ink);
        p.fillRect(QRect(o.left(), o.bottom() - w + 1, o.width(), w), ink);
        p.fillRect(QRect(o.left(), o.top(), w, o.height()), ink);
        p.fillRect(QRect(o.right() - w + 1, o.top(), w, o.height()), ink);
    }
}

}  // namespace yacht
