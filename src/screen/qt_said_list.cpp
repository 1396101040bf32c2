#include "screen/qt_said_list.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QPointer>
#include <QWindow>

namespace yacht {
namespace {

constexpr size_t kKept = 100;

// An AT-SPI object reference: the application's bus name and the object's path.
struct ObjectReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ObjectReference& reference)
{
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ObjectReference& reference)
{
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

}  // namespace
}  // namespace yacht

Q_DECLARE_METATYPE(yacht::ObjectReference)

namespace yacht {
namespace {

// One text the game said, as an item of the list: its name is the text, and only the newest is
// focused. Consecutive items stand a pixel apart, so a text said twice is still a new item to the
// screen reader, which takes objects of one name, role and place for the same one.
class SaidItem : public QAccessibleInterface {
public:
    SaidItem(SaidList* list, const QString& text, int place) : list_(list), text_(text), place_(place) {}

    bool isValid() const override { return !list_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(list_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? text_ : QString(); }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!list_) return {};
        return QRect(list_->mapToGlobal(QPoint(place_ % 2, 0)), QSize(1, 1));
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = false;
        s.readOnly = true;
        s.focused = list_ && list_->newest() == this;
        s.active = s.focused;
        return s;
    }

private:
    QPointer<SaidList> list_;
    QString text_;
    int place_;
};

// The list itself: an unnamed container that the screen reader passes over in silence (a
// "filler"), with the said items as its children.
class SaidListAccessible : public QAccessibleWidget {
public:
    explicit SaidListAccessible(SaidList* list) : QAccessibleWidget(list, QAccessible::Client) {}
    SaidList* list() const { return static_cast<SaidList*>(widget()); }
    int childCount() const override { return list()->count(); }
    QAccessibleInterface* child(int index) const override { return list()->item(index); }
    int indexOfChild(const QAccessibleInterface* child) const override { return list()->indexOf(child); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return list()->newest(); }
    QString text(QAccessible::Text) const override { return QString(); }
};

QAccessibleInterface* saidListFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("yacht::SaidList") && object && object->isWidgetType())
        return new SaidListAccessible(static_cast<SaidList*>(object));
    return nullptr;
}

}  // namespace

SaidList::SaidList(QWidget* window) : QWidget(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(saidListFactory);
        qDBusRegisterMetaType<ObjectReference>();
        return true;
    }();
    static_cast<void>(installed);
    setObjectName(QStringLiteral("yacht-said"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    show();
}

SaidList::~SaidList()
{
    for (const unsigned id : items_) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* SaidList::item(int index) const
{
    if (index < 0 || index >= count()) return nullptr;
    return QAccessible::accessibleInterface(items_[static_cast<size_t>(index)]);
}

int SaidList::indexOf(const QAccessibleInterface* item) const
{
    for (int i = 0; i < count(); ++i)
        if (this->item(i) == item) return i;
    return -1;
}

void SaidList::say(const QString& text)
{
    auto* item = new SaidItem(this, text, static_cast<int>(said_++ % 2));
    items_.push_back(QAccessible::registerAccessibleInterface(item));
    if (!QAccessible::isActive()) {
        // Nobody listens: the texts are kept all the same, for a screen reader started later.
        while (items_.size() > kKept) {
            QAccessible::deleteAccessibleInterface(items_.front());
            items_.pop_front();
        }
        return;
    }
    QAccessibleEvent created(item, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&created);
    while (items_.size() > kKept) {
        QAccessibleInterface* old = QAccessible::accessibleInterface(items_.front());
        QAccessibleEvent gone(old, QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&gone);
        QAccessible::deleteAccessibleInterface(items_.front());
        items_.pop_front();
    }
    if (!sendActiveDescendant(item)) {
        // Without the signal the item still takes the focus, which the screen reader presents
        // and keeps on the braille display, after whatever it is saying.
        QAccessibleEvent focus(item, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

bool SaidList::sendActiveDescendant(QAccessibleInterface* item)
{
    // Qt 6.4's AT-SPI bridge has no active-descendant event of its own. It sends its events on
    // the bus connection it names "a11y", and names an object's path after its accessible id; the
    // signal goes out on that same connection, so the screen reader takes it as the game's own.
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected()) return false;
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(this);
    if (!self) return false;
    const QString prefix = QStringLiteral("/org/a11y/atspi/accessible/");
    const QString source = prefix + QString::number(QAccessible::uniqueId(self));
    const ObjectReference child{bus.baseService(),
                                QDBusObjectPath(prefix + QString::number(QAccessible::uniqueId(item)))};
    QDBusMessage signal = QDBusMessage::createSignal(source, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                     QStringLiteral("ActiveDescendantChanged"));
    signal << QString() << 0 << 0 << QVariant::fromValue(QDBusVariant(QVariant::fromValue(child)))
           << QVariantMap();
    return bus.send(signal);
}

}  // namespace yacht
