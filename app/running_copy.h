#pragma once
// The desktop's way from a second copy of the program to the running one: the
// copy that holds the instance lock listens on a local socket of its user, a
// later copy sends it the file of its command line and ends.
//
// A request is the file's length (4 bytes, most significant first) and its
// bytes as the core names files; the running copy answers one byte once it
// has taken the request. Only processes of the same user are heard.

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "shell/instance_lock.h"

class QLocalSocket;

namespace lumora {

// The longest file name a request may carry; a longer one is dropped.
inline constexpr int kLongestHandedOverName = 64 * 1024;

// A second copy's side.
class LocalRunningCopy final : public RunningCopy {
 public:
  explicit LocalRunningCopy(QString socketPath, int timeoutMs = 3000);
  bool handOver(const std::string& file) override;

 private:
  QString path_;
  int timeoutMs_;
};

// The running copy's side. Each whole request goes to `onRequest` from the
// event loop, after it has been answered, so the handler may open dialogs.
class RunningCopyListener final : public QObject {
  Q_OBJECT

 public:
  using Handler = std::function<void(const std::string& file)>;
  RunningCopyListener(QString socketPath, Handler onRequest, QObject* parent = nullptr);

  // Listens, replacing a socket that a copy which ended abnormally left
  // behind: call it only while holding the instance lock. False when the
  // socket cannot be made (later copies then only say that one runs).
  bool listen();
  bool listening() const { return server_.isListening(); }
  // Stops listening and removes the socket: before the lock is released, so
  // that the socket of a copy started next is never the one removed.
  void close() { server_.close(); }

 private:
  void accept();
  void read(QLocalSocket& socket);

  QLocalServer server_;
  QString path_;
  Handler onRequest_;
};

}  // namespace lumora
