#pragma once

#include <QString>

namespace lumora {

// The program's configuration folder: $LUMORA_CONFIG_DIR when set, otherwise
// $XDG_CONFIG_HOME/lumora (only an absolute XDG_CONFIG_HOME counts), otherwise
// ~/.config/lumora. The folder is not created here.
QString configFolder();

}  // namespace lumora
