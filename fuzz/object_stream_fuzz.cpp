// Reads arbitrary bytes as an object stream, the way the schedule file reads
// its items, and checks that the reader stays inside the data and that a
// failed stream only yields zeros.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "files/object_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lumora::StreamReader reader(std::span<const std::uint8_t>(data, size));
  for (int i = 0; i < 64 && !reader.failed(); ++i) {
    switch (reader.readByte() % 6) {
      case 0:
        (void)reader.readWord();
        break;
      case 1:
        (void)reader.readWord32();
        break;
      case 2:
        (void)reader.readString();
        break;
      case 3:
        (void)reader.readBytes();
        break;
      case 4:
        reader.readObject("TPair", [](lumora::StreamReader& r, std::uint32_t version) {
          for (std::uint32_t k = 0; k < version % 8; ++k) (void)r.readString();
        });
        break;
      default:
        reader.readObject("TPilot",
                          [](lumora::StreamReader& r, std::uint32_t) { (void)r.readWord(); });
        break;
    }
    if (reader.position() > size) std::abort();
  }
  if (reader.failed() && (reader.readWord() != 0 || !reader.readString().empty())) std::abort();
  return 0;
}
