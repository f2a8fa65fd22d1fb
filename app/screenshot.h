#pragma once

#include <QString>

class QWidget;

namespace lumora {

// Renders the widget as it stands to a PNG file, creating its folder.
// False when the image cannot be written.
bool saveScreenshot(QWidget& widget, const QString& path);

}  // namespace lumora
