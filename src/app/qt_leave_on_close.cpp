#include "app/qt_leave_on_close.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QSessionManager>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "engine/key_codes.h"
#include "engine/key_input.h"
#include "engine/tick.h"
#include "screen/qt_main_window.h"

namespace yacht {
namespace {

// The write end is used by the signal handler, the read end by the event loop.
int signalPipe[2] = {-1, -1};

void onSignal(int number)
{
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

// How long the engine has to take the F12 it was handed before the game is stored without it.
constexpr int kFallbackMs = 3000;

}  // namespace

LeaveOnClose::LeaveOnClose(Yacht& game, MainWindow& window) : game_(game), window_(window)
{
    window_.installEventFilter(this);

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) == 0) {
        signals_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
        connect(signals_.get(), &QSocketNotifier::activated, this, [this] {
            char byte = 0;
            [[maybe_unused]] const ssize_t n = ::read(signalPipe[0], &byte, 1);
            leaveAsF12();
        });
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGTERM, &action, nullptr);
        ::sigaction(SIGHUP, &action, nullptr);
    }

    // The session is ending: there may be no time for a goodbye, so the game is stored now.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { store(); });
    // Whatever else ends the event loop, the game is not lost with it.
    connect(qGuiApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (!game_.quitting) store();
    });

    fallback_.setSingleShot(true);
    connect(&fallback_, &QTimer::timeout, this, [this] {
        if (game_.quitting) return;
        store();
        game_.quitting = true;
        game_.ports.toolkit.quitNow();
    });
}

LeaveOnClose::~LeaveOnClose()
{
    ::signal(SIGTERM, SIG_DFL);
    ::signal(SIGHUP, SIG_DFL);
}

bool LeaveOnClose::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::Close && !game_.quitting) {
        // The window stays until the engine has saved and said goodbye, as after F12.
        event->ignore();
        leaveAsF12();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void LeaveOnClose::leaveAsF12()
{
    if (game_.quitting) return;
    recordKeyPress(game_.pendingInput, game_.game, game_.ports.voice, keys::F12, 0);
    // The engine's timer may be asleep while the game waits for the player: the key wakes it.
    window_.wake();
    if (!fallback_.isActive()) fallback_.start(kFallbackMs);
}

void LeaveOnClose::store()
{
    storeGameAndSettings(game_.game, game_.voiceChoice, game_.ports);
}

}  // namespace yacht
