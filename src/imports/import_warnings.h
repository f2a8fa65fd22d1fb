#pragma once
// Per-record problems of an import. An import never stops on a bad record:
// it notes the problem here and shows the whole collection in the list
// dialog at the end. A damaged file can produce a problem on every line, so
// only the first `limit` messages are kept and the rest are counted.

#include <cstddef>
#include <string>
#include <vector>

namespace lumora {

class ImportWarnings {
 public:
  explicit ImportWarnings(std::size_t limit = 200) : limit_(limit) {}

  // One message; the list dialog breaks lines at ".", so a message must hold
  // no "." but the one that ends it (added when missing).
  void add(std::string message);

  bool empty() const { return messages_.empty(); }
  std::size_t count() const { return messages_.size() + dropped_; }
  const std::vector<std::string>& messages() const { return messages_; }

  // The messages one after the other, then how many were not kept.
  std::string text() const;

 private:
  std::size_t limit_;
  std::vector<std::string> messages_;
  std::size_t dropped_ = 0;
};

}  // namespace lumora
