#include "views/toolbox_window.h"

#include <cassert>
#include <cstddef>
#include <utility>
#include <vector>

#include "model/document.h"

namespace lumora {

TButtonWin::TButtonWin() : current_(RequestButton(1)) {}

void TButtonWin::RebuildToolbox(const TDocument& doc) {
  for (int n = 0; n < count_; ++n) buttons_[static_cast<std::size_t>(n)] = TZorButton{};
  count_ = 0;
  dropped_ = 0;

  // Every field of the X1 request, not only the ones a request uses: values
  // left from the last pressed code would otherwise ride along on requests.
  current_ = RequestButton(1);

  std::vector<ToolboxItem> items = ToolboxButtons(doc);
  const std::size_t room = buttons_.size();
  if (items.size() > room) dropped_ = static_cast<int>(items.size() - room);
  for (std::size_t i = 0; i < items.size() && i < room; ++i) {
    buttons_[i].item = std::move(items[i]);
    ++count_;
  }
  caption_ = ToolboxCaption(doc);
}

void TButtonWin::press(int n, TDocument& doc) {
  if (n < 0 || n >= count_) return;
  const ToolboxItem& item = buttons_[static_cast<std::size_t>(n)].item;
  caption_ = item.message;
  current_ = item;
  doc.view.toolboxPlacing = 1;
}

void TButtonWin::pairingSelected() {
  caption_.clear();
}

const TZorButton& TButtonWin::button(int n) const {
  assert(n >= 0 && n < count_);
  return buttons_[static_cast<std::size_t>(n)];
}

Rect TButtonWin::buttonRect(int n) {
  const int left = kToolboxColumnPitch * (n % kToolboxButtonsPerRow);
  const int top = kToolboxRowPitch * (n / kToolboxButtonsPerRow);
  return Rect{left, top, left + kToolboxButtonWidth, top + kToolboxButtonHeight};
}

int TButtonWin::rowCount() const {
  return (count_ + kToolboxButtonsPerRow - 1) / kToolboxButtonsPerRow;
}

Rect TButtonWin::windowRect(int captionHeight) const {
  const Point o = kToolboxWindowOrigin;
  return Rect{o.x, o.y, o.x + kToolboxWindowWidth,
              o.y + captionHeight + kToolboxRowPitch * rowCount()};
}

int TButtonWin::buttonAt(Point p) const {
  if (p.x < 0 || p.y < 0) return -1;
  const int column = p.x / kToolboxColumnPitch;
  if (column >= kToolboxButtonsPerRow) return -1;
  const int n = column + kToolboxButtonsPerRow * (p.y / kToolboxRowPitch);
  if (n >= count_ || !buttonRect(n).contains(p)) return -1;
  return n;
}

}  // namespace lumora
