#pragma once
// The list of what the game has said, for the screen reader: each new text becomes the list's
// active item, which the screen reader speaks at once, cutting what it was saying, and keeps on
// the braille display until the next; its review keys go back through the earlier ones.
// The same route is kept where Qt 6.8 offers its announcement event: Orca 48 presents an
// announcement as a message, queued behind what it is saying like any other text, and shows it
// on braille for five seconds before going back to what the display held; an announcement
// leaves no object behind for the review keys either.

#include <QWidget>
#include <deque>

class QAccessibleInterface;

namespace yacht {

// An invisible widget of the window whose accessible children are the game's texts (the last
// hundred), the newest of them the active, focused one. It draws nothing and takes no clicks.
class SaidList : public QWidget {
    Q_OBJECT
public:
    explicit SaidList(QWidget* window);
    ~SaidList() override;

    // Adds the text as the list's newest item and makes it the active one.
    void say(const QString& text);

    int count() const { return static_cast<int>(items_.size()); }
    QAccessibleInterface* item(int index) const;
    int indexOf(const QAccessibleInterface* item) const;
    // The newest item, the one the screen reader is shown.
    QAccessibleInterface* newest() const { return item(count() - 1); }

private:
    // Tells the screen reader the active item changed, the way AT-SPI says it; false when the
    // accessibility bus is not reached this way.
    bool sendActiveDescendant(QAccessibleInterface* item);

    std::deque<unsigned> items_;  // the items' accessible ids, oldest first
    unsigned long long said_ = 0;  // texts said so far, which places each item
};

}  // namespace yacht
