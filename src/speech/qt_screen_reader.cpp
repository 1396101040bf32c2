#include "speech/qt_screen_reader.h"

#include <QDBusConnection>
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
        QFile comm(dir + QStringLiteral("/comm"));
        if (!comm.open(QIODevice::ReadOnly)) continue;
        const QByteArray name = comm.readAll().trimmed();
        if (name != "orca" && name != "fenrir" && name != "odilia") continue;
        QFile environ(dir + QStringLiteral("/environ"));
        if (environ.open(QIODevice::ReadOnly) && environ.readAll().split('\0').contains(mark))
            return true;
    }
    return false;
}

}  // namespace

bool screenReaderRunning()
{
    return busSaysScreenReader() || screenReaderProcess();
}

}  // namespace yacht
