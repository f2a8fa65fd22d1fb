#pragma once
// Accessible names and tooltips for the controls of a window. Screen readers
// announce a control by its accessible name, and a control's tooltip is how
// a new user learns what it is for; most of ours already say so through a
// label next to them, which is where both are taken from.

#include <QString>
#include <vector>

class QWidget;

namespace lumora {

// True for the widgets a user operates (buttons, fields, lists, bars), not
// for the parts such a widget is made of.
bool isControl(const QWidget& widget);

// Gives every control under `root` that has none an accessible name (its
// label's text: a buddy label, its form row's label, its own text, the label
// just before it, or its group's title) and a tooltip (that name).
void nameControls(QWidget& root);

// The controls under `root` shown with it that lack an accessible name or a
// tooltip, as "class 'text'" lines.
std::vector<QString> unnamedControls(const QWidget& root);

}  // namespace lumora
