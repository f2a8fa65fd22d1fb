#pragma once
// A seeded random source whose draws are the same with every standard
// library: the engine's output is fixed by the language, but the library's
// distributions and std::shuffle are not, so the ranges are drawn here.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <utility>
#include <vector>

namespace lumora::bench {

class BenchRandom {
 public:
  explicit BenchRandom(std::uint32_t seed) : engine_(seed) {}

  // Uniform in [0, n); n must be above 0. Draws in the incomplete last
  // stretch of the engine's range are rejected so that no value is favoured.
  std::uint32_t below(std::uint32_t n) {
    const std::uint32_t rejectBelow = (0u - n) % n;  // 2^32 mod n
    for (;;) {
      const auto r = static_cast<std::uint32_t>(engine_());
      if (r >= rejectBelow) return r % n;
    }
  }

  // Uniform in [lo, hi]; hi must not be below lo.
  int between(int lo, int hi) {
    const auto span = static_cast<std::uint32_t>(static_cast<std::int64_t>(hi) - lo + 1);
    return static_cast<int>(static_cast<std::int64_t>(lo) + below(span));
  }

  bool percent(int p) { return static_cast<int>(below(100)) < p; }

  // Index chosen with the given relative weights (at least one above 0).
  std::size_t weighted(std::initializer_list<int> weights) {
    int total = 0;
    for (int w : weights) total += w;
    int r = between(0, total - 1);
    std::size_t i = 0;
    for (int w : weights) {
      if (r < w) return i;
      r -= w;
      ++i;
    }
    return i - 1;
  }

  template <typename T>
  const T& pick(const std::vector<T>& items) {
    return items[below(static_cast<std::uint32_t>(items.size()))];
  }

  template <typename T, std::size_t N>
  const T& pick(const T (&items)[N]) {
    return items[below(static_cast<std::uint32_t>(N))];
  }

  // Fisher-Yates, drawn with below().
  template <typename T>
  void shuffle(std::vector<T>& items) {
    for (std::size_t i = items.size(); i > 1; --i) {
      const std::size_t j = below(static_cast<std::uint32_t>(i));
      std::swap(items[i - 1], items[j]);
    }
  }

 private:
  std::mt19937 engine_;
};

}  // namespace lumora::bench
