#pragma once
// The caption most of the program's messages and questions carry. Every layer
// shows it, so it is written once here, at the bottom of the tree.

namespace lumora {

inline constexpr const char* kAppCaption = "Lumora";

}  // namespace lumora
