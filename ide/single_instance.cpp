#include "single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {

// The message: "activate", then each file name, every part ended by a zero byte,
// which no file name can hold.
constexpr char activateWord[] = "activate";

QStringList filesOf(const QByteArray& message) {
    QList<QByteArray> parts = message.split('\0');
    if (parts.isEmpty() || parts.front() != activateWord) return {};
    parts.removeFirst();
    QStringList files;
    for (const QByteArray& part : parts)
        if (!part.isEmpty()) files << QString::fromUtf8(part);
    return files;
}

}  // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent), serverName(name) {}

bool SingleInstance::activateRunningInstance(const QStringList& files) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(500)) return false;
    QByteArray message(activateWord);
    message += '\0';
    for (const QString& file : files) message += file.toUtf8() + '\0';
    socket.write(message);
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(2000)) return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(2000);
    return true;
}

bool SingleInstance::listen() {
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // A name left behind by a crashed instance is taken over.
    if (!server->listen(serverName)) {
        QLocalServer::removeServer(serverName);
        if (!server->listen(serverName)) return false;
    }
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            // The whole message is there once the sender has hung up.
            connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
                const QStringList files = filesOf(socket->readAll());
                socket->deleteLater();
                emit activationRequested(files);
            });
        }
    });
    return true;
}
