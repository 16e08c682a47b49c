#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace zentrel::shell {

namespace {

// A later start writes the greeting and the path, one line each; the program answers "OK".
constexpr char kGreeting[] = "zentrel-odpri";
constexpr char kAnswer[] = "OK";
constexpr int kAnswerWaitMs = 5000;
// A path is far shorter; more than this is not a start of the program and is dropped.
constexpr qint64 kMessageLimit = 64 * 1024;

} // namespace

SingleInstance::SingleInstance(const QString &userDataFolder, QObject *parent)
    : QObject(parent), m_name(ServerName(userDataFolder)) {}

QString SingleInstance::ServerName(const QString &userDataFolder) {
    const QByteArray folder = QDir::cleanPath(QDir(userDataFolder).absolutePath()).toUtf8();
    return QStringLiteral("zentrel-") +
           QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(24));
}

bool SingleInstance::HandOver(const QString &projectPath) const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(QByteArray(kGreeting) + '\n' + projectPath.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(kAnswerWaitMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAnswerWaitMs))
            return false;
    }
    return socket.readLine().trimmed() == kAnswer;
}

bool SingleInstance::Listen() {
    if (m_server)
        return true;
    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // With the user-only option the socket is made aside and moved into place, so one left by a
    // program that ended abruptly is replaced (this start found no one answering on it).
    if (!server->listen(m_name)) {
        delete server;
        return false;
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::takeConnection);
    return true;
}

void SingleInstance::takeConnection() {
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() > kMessageLimit) {
                socket->abort();
                return;
            }
            if (!socket->canReadLine())
                return;
            const QByteArray greeting = socket->peek(kMessageLimit);
            const QList<QByteArray> lines = greeting.split('\n');
            if (lines.constFirst() != kGreeting) {
                socket->abort();
                return;
            }
            if (lines.size() < 3) // the path's line has not come yet
                return;
            socket->readAll();
            socket->write(QByteArray(kAnswer) + '\n');
            socket->flush();
            socket->disconnectFromServer();
            // After the answer and outside the socket's handler: the later start ends at once,
            // whatever opening the project then asks.
            QTimer::singleShot(0, this,
                               [this, path = QString::fromUtf8(lines.at(1))] { emit projectHandedOver(path); });
        });
    }
}

} // namespace zentrel::shell
