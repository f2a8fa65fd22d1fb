#include "samples/random.h"

namespace lumora::samples {

Rng Rng::Stream(std::uint32_t seed, std::string_view name) {
  // FNV-1a of the name, then a finaliser that spreads neighbouring seeds.
  std::uint32_t h = 2166136261u;
  for (const char c : name) {
    h ^= static_cast<unsigned char>(c);
    h *= 16777619u;
  }
  std::uint32_t x = h ^ (seed * 0x9E3779B9u);
  x ^= x >> 16;
  x *= 0x85EBCA6Bu;
  x ^= x >> 13;
  x *= 0xC2B2AE35u;
  x ^= x >> 16;
  return Rng(x);
}

int Rng::Uniform(int lo, int hi) {
  if (hi < lo) throw std::logic_error("empty range");
  const std::uint64_t range = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo) + 1;
  // Reject the top of the 32-bit range that would favour small results.
  const std::uint64_t limit = (std::uint64_t{1} << 32) - ((std::uint64_t{1} << 32) % range);
  std::uint64_t draw = 0;
  do {
    draw = engine_();
  } while (draw >= limit);
  return static_cast<int>(static_cast<std::int64_t>(lo) + static_cast<std::int64_t>(draw % range));
}

std::size_t Rng::Weighted(std::initializer_list<int> weights) {
  int total = 0;
  for (const int w : weights) total += w;
  if (total <= 0) throw std::logic_error("no weight");
  int roll = Uniform(0, total - 1);
  std::size_t index = 0;
  for (const int w : weights) {
    if (roll < w) return index;
    roll -= w;
    ++index;
  }
  return weights.size() - 1;
}

}  // namespace lumora::samples
