#include "app/running_copy.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <utility>

namespace lumora {

namespace {

constexpr char kTaken = 'K';
constexpr int kHeaderSize = 4;
// A client that connects and then says nothing is dropped after this.
constexpr int kIdleClientMs = 5000;
constexpr unsigned long kConnectRetryMs = 100;

// A socket in /tmp could have been made by anyone: both ends talk only to
// processes of their own user.
bool PeerIsThisUser(const QLocalSocket& socket) {
  ucred peer{};
  socklen_t size = sizeof peer;
  const auto fd = static_cast<int>(socket.socketDescriptor());
  if (fd < 0 || ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) return false;
  return peer.uid == ::getuid();
}

QByteArray Request(const std::string& file) {
  const auto size = static_cast<quint32>(file.size());
  QByteArray request;
  request.reserve(kHeaderSize + static_cast<qsizetype>(file.size()));
  for (int shift = 24; shift >= 0; shift -= 8)
    request.append(static_cast<char>((size >> shift) & 0xffU));
  request.append(file.data(), static_cast<qsizetype>(file.size()));
  return request;
}

quint32 RequestSize(const QByteArray& header) {
  quint32 size = 0;
  for (const char byte : header) size = (size << 8) | static_cast<unsigned char>(byte);
  return size;
}

}  // namespace

LocalRunningCopy::LocalRunningCopy(QString socketPath, int timeoutMs)
    : path_(std::move(socketPath)), timeoutMs_(timeoutMs) {}

bool LocalRunningCopy::handOver(const std::string& file) {
  if (file.size() > static_cast<std::size_t>(kLongestHandedOverName)) return false;
  const QDeadlineTimer deadline(timeoutMs_);
  QLocalSocket socket;
  // The running copy listens a moment after it took the lock: two copies
  // started together (two files opened at once) try again until the deadline.
  for (;;) {
    socket.connectToServer(path_);
    if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) break;
    if (deadline.hasExpired()) return false;
    QThread::msleep(kConnectRetryMs);
  }
  if (!PeerIsThisUser(socket)) return false;
  socket.write(Request(file));
  while (socket.bytesToWrite() > 0) {
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) return false;
  }
  while (socket.bytesAvailable() < 1) {
    if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return false;
  }
  char answer = 0;
  return socket.getChar(&answer) && answer == kTaken;
}

RunningCopyListener::RunningCopyListener(QString socketPath, Handler onRequest, QObject* parent)
    : QObject(parent), path_(std::move(socketPath)), onRequest_(std::move(onRequest)) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, &RunningCopyListener::accept);
}

bool RunningCopyListener::listen() {
  if (server_.isListening()) return true;
  // Whoever holds the lock is the only copy: a socket still there belongs to
  // a copy that ended without removing it.
  QLocalServer::removeServer(path_);
  return server_.listen(path_);
}

void RunningCopyListener::accept() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (!PeerIsThisUser(*socket)) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    QTimer::singleShot(kIdleClientMs, socket, [socket] { socket->abort(); });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(*socket); });
    // Bytes that came with the connection have already been signalled.
    if (socket->bytesAvailable() > 0) read(*socket);
  }
}

void RunningCopyListener::read(QLocalSocket& socket) {
  if (socket.bytesAvailable() < kHeaderSize) return;
  const quint32 size = RequestSize(socket.peek(kHeaderSize));
  if (size > static_cast<quint32>(kLongestHandedOverName)) {
    socket.abort();
    return;
  }
  if (socket.bytesAvailable() < kHeaderSize + static_cast<qint64>(size)) return;
  socket.skip(kHeaderSize);
  const QByteArray file = socket.read(size);
  socket.putChar(kTaken);
  socket.flush();
  socket.disconnectFromServer();
  // Off the socket's signal: the handler may run dialogs of its own.
  QTimer::singleShot(0, this, [this, name = file.toStdString()] { onRequest_(name); });
}

}  // namespace lumora
