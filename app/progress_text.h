#pragma once
// The texts of the progress window, kept apart from the widget so that they
// can be checked without a display.

#include <string>
#include <string_view>

namespace lumora {

// Fills the first two "%d" of `format` with `position` and `maximum` and turns
// "%%" into "%". The format comes from the caller, so it is never handed to
// printf: any other "%" sequence, or a third "%d", is copied as it stands.
std::string formatProgressLine(std::string_view format, int position, int maximum);

// The percentage line ("%d%%"), 0 to 100; an empty or negative range reads 0%.
std::string formatProgressPercent(int position, int maximum);

// The percentage as a number, for the bar.
int progressPercent(int position, int maximum);

}  // namespace lumora
