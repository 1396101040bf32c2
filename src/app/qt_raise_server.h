#pragma once
// The running copy's ear for second starts: a local socket in the user's runtime folder on which
// a second start leaves its raise request before it ends.

#include <QLocalServer>
#include <QObject>
#include <memory>
#include <string>

#include "app/raise_request.h"

namespace yacht {

// Listens on the socket for as long as it lives; emits each well-formed request.
class RaiseServer : public QObject {
    Q_OBJECT
public:
    // Listens at `socketPath`, replacing a socket file left by a copy that ended without removing
    // it (only the lock holder creates one). A socket that cannot be made is let be.
    explicit RaiseServer(const std::string& socketPath);

signals:
    void raiseRequested(const yacht::RaiseRequest& request);

private:
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace yacht
