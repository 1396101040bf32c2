#pragma once
// What a second start sends the running copy: raise and activate your window, with the
// launcher's tokens; the line it travels as, and the socket it travels through.

#include <string>

namespace yacht {

// A request from a second start to the running copy: raise and activate your window, with the
// launcher's tokens that let the desktop hand it the focus.
struct RaiseRequest {
    std::string startupId;        // DESKTOP_STARTUP_ID (X11 startup notification)
    std::string activationToken;  // XDG_ACTIVATION_TOKEN (Wayland activation)
    friend bool operator==(const RaiseRequest&, const RaiseRequest&) = default;
};

// One line: "raise", TAB, the startup id, TAB, the activation token, LF. Tabs, line breaks and
// other control characters are dropped from the tokens, and each is cut at 512 bytes.
std::string raiseMessage(const RaiseRequest& request);

// Reads a line made by raiseMessage; false when the text is not one.
bool parseRaiseMessage(const std::string& line, RaiseRequest& out);

// Hands the request to the copy listening at `socketPath`, never waiting on it for long; false
// when no copy listens there.
bool sendRaiseRequest(const std::string& socketPath, const RaiseRequest& request);

// The X server time in a startup id ("..._TIME12345"), or 0 when it has none.
unsigned long startupIdTime(const std::string& startupId);

}  // namespace yacht
