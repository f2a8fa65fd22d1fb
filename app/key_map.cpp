#include "app/key_map.h"

namespace lumora {

std::optional<ShellKey> shellKeyFor(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
  switch (qtKey) {
    // Shift+Tab arrives as a key of its own.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return ShellKey::Tab;
    case Qt::Key_F1:
      return ShellKey::F1;
    case Qt::Key_F2:
      return ShellKey::F2;
    case Qt::Key_F3:
      return ShellKey::F3;
    case Qt::Key_F4:
      return ShellKey::F4;
    case Qt::Key_F5:
      return ShellKey::F5;
    case Qt::Key_F6:
      return ShellKey::F6;
    case Qt::Key_F7:
      return ShellKey::F7;
    case Qt::Key_F8:
      return ShellKey::F8;
    case Qt::Key_F9:
      return ShellKey::F9;
    // One key: "=" unshifted, "+" with Shift.
    case Qt::Key_Equal:
    case Qt::Key_Plus:
      if (modifiers & Qt::KeypadModifier) return std::nullopt;
      return ShellKey::Equals;
    case Qt::Key_Insert:
      return ShellKey::Insert;
    case Qt::Key_Up:
      return ShellKey::Up;
    case Qt::Key_Down:
      return ShellKey::Down;
    case Qt::Key_Escape:
      return ShellKey::Escape;
    case Qt::Key_Left:
      return ShellKey::Left;
    case Qt::Key_Right:
      return ShellKey::Right;
    default:
      return std::nullopt;
  }
}

}  // namespace lumora
