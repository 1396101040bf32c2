#pragma once
// The per-user single-copy lock: a file locked with flock, so the kernel lets it go the moment
// its copy ends, however it ends, and a crashed copy never keeps the next one out.

#include <string>

namespace yacht {

// What taking the lock found.
enum class LockOutcome {
    Acquired,       // this copy is the one that runs
    HeldByAnother,  // another copy of this user runs
    Unavailable,    // the lock file cannot be made; the game runs anyway rather than not at all
};

// Holds the lock for its lifetime.
class InstanceLock {
public:
    explicit InstanceLock(const std::string& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    LockOutcome outcome() const { return outcome_; }

private:
    int fd_ = -1;
    LockOutcome outcome_ = LockOutcome::Unavailable;
};

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
