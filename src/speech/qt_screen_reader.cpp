#include "speech/qt_screen_reader.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace yacht {
namespace {

// The desktop's own word for it: GNOME, MATE and others set it when their screen reader runs.
bool busSaysScreenReader()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    QDBusInterface status("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", bus);
    if (!status.isValid()) return false;
    status.setTimeout(1000);
    const QDBusReply<QDBusVariant> reply =
        status.call("Get", QStringLiteral("org.a11y.Status"), QStringLiteral("ScreenReaderEnabled"));
    return reply.isValid() && reply.value().variant().toBool();
}

bool screenReaderName(const QByteArray& name)
{
    return name == "orca" || name == "fenrir" || name == "odilia";
}

QByteArray processName(uint pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) ? comm.readAll().trimmed() : QByteArray();
}

// A screen reader the player started by hand (Orca from a terminal or a key binding) does not
// tell the bus; it is found by name among the player's own processes on the same session bus.
bool screenReaderProcess()
{
    const QByteArray session = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (session.isEmpty()) return false;
    const QByteArray mark = "DBUS_SESSION_BUS_ADDRESS=" + session;
    const uint me = QFileInfo(QStringLiteral("/proc/self")).ownerId();
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        bool number = false;
        pid.toUInt(&number);
        if (!number) continue;
        const QString dir = QStringLiteral("/proc/") + pid;
        if (QFileInfo(dir).ownerId() != me) continue;
        if (!screenReaderName(processName(pid.toUInt()))) continue;
        QFile environ(dir + QStringLiteral("/environ"));
        if (environ.open(QIODevice::ReadOnly) && environ.readAll().split('\0').contains(mark))
            return true;
    }
    return false;
}

// Orca renames itself with setproctitle where that module is installed (Debian 13 has it), which
// blanks its environment in /proc, so the session above cannot be read. It is then found among
// the clients of this session's accessibility bus, by the process behind each connection.
bool screenReaderOnAccessibilityBus()
{
    QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected()) return false;
    QDBusInterface launcher("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", session);
    if (!launcher.isValid()) return false;
    launcher.setTimeout(1000);
    const QDBusReply<QString> address = launcher.call(QStringLiteral("GetAddress"));
    if (!address.isValid() || address.value().isEmpty()) return false;
    const QString name = QStringLiteral("yacht-screen-reader-check");
    bool found = false;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address.value(), name);
        QDBusConnectionInterface* clients = bus.isConnected() ? bus.interface() : nullptr;
        const QDBusReply<QStringList> names =
            clients ? clients->registeredServiceNames() : QDBusReply<QStringList>();
        const QStringList listed = names.isValid() ? names.value() : QStringList();
        for (const QString& client : listed) {
            if (!client.startsWith(QLatin1Char(':'))) continue;
            const QDBusReply<uint> pid = clients->servicePid(client);
            if (pid.isValid() && screenReaderName(processName(pid.value()))) {
                found = true;
                break;
            }
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return found;
}

}  // namespace

bool screenReaderRunning()
{
    return busSaysScreenReader() || screenReaderProcess() || screenReaderOnAccessibilityBus();
}

}  // namespace yacht
