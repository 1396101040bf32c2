#include "app/qt_raise_server.h"

#include <QLocalSocket>

namespace yacht {
namespace {

// A raise request is a short line; a peer that sends more is not one of ours.
constexpr qint64 kMessageBound = 2048;

}  // namespace

RaiseServer::RaiseServer(const std::string& socketPath)
{
    if (socketPath.empty()) return;
    const QString path = QString::fromStdString(socketPath);
    QLocalServer::removeServer(path);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(path)) {
        server_.reset();
        return;
    }
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (!peer->canReadLine()) {
                    if (peer->bytesAvailable() > kMessageBound) peer->abort();
                    return;
                }
                RaiseRequest request;
                const std::string line = peer->readLine(kMessageBound).toStdString();
                peer->disconnectFromServer();
                if (parseRaiseMessage(line, request)) emit raiseRequested(request);
            });
        }
    });
}

}  // namespace yacht
