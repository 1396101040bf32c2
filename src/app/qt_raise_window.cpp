#include "app/qt_raise_window.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace yacht {
namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    if (!reply) return XCB_ATOM_NONE;
    const xcb_atom_t a = reply->atom;
    std::free(reply);
    return a;
}

xcb_window_t rootOf(xcb_connection_t* c, xcb_window_t window)
{
    xcb_query_tree_reply_t* reply = xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr);
    if (!reply) return XCB_WINDOW_NONE;
    const xcb_window_t root = reply->root;
    std::free(reply);
    return root;
}

// Ends the launcher's startup notification ("remove: ID=..."), in the 20-byte pieces the
// startup-notification protocol sends through the root window.
void endStartupNotification(xcb_connection_t* c, xcb_window_t root, xcb_window_t from,
                            const std::string& startupId)
{
    std::string message = "remove: ID=\"";
    for (char ch : startupId) {
        if (ch == '"' || ch == '\\') message += '\\';
        message += ch;
    }
    message += "\"";
    message += '\0';
    const xcb_atom_t begin = atom(c, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(c, "_NET_STARTUP_INFO");
    for (std::size_t at = 0; at < message.size(); at += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = from;
        event.type = at == 0 ? begin : more;
        std::memcpy(event.data.data8, message.data() + at, std::min<std::size_t>(20, message.size() - at));
        xcb_send_event(c, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char*>(&event));
    }
}

// On X11: marks the window with the startup id and asks the window manager to activate it at the
// time the launcher was used, which is what focus-stealing prevention compares against.
void activateOnX11(QWidget& window, const std::string& startupId)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    xcb_connection_t* c = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = rootOf(c, id);
    if (root == XCB_WINDOW_NONE) return;

    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atom(c, "_NET_STARTUP_ID"), atom(c, "UTF8_STRING"),
                        8, uint32_t(startupId.size()), startupId.data());
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = id;
    event.type = atom(c, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 1;  // the request comes from an application
    event.data.data32[1] = uint32_t(startupIdTime(startupId));
    event.data.data32[2] = XCB_WINDOW_NONE;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    endStartupNotification(c, root, id, startupId);
    xcb_flush(c);
}

}  // namespace

void raiseWindow(QWidget& window, const RaiseRequest& request)
{
    if (window.isMinimized()) window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    const QString platform = QGuiApplication::platformName();
    // Qt's Wayland window hands this token to the compositor's activation request.
    if (platform == "wayland" && !request.activationToken.empty())
        qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(request.activationToken));
    window.activateWindow();
    if (platform == "xcb" && !request.startupId.empty()) activateOnX11(window, request.startupId);
}

}  // namespace yacht
