#pragma once
// The generator's only source of chance. std::mt19937 produces the same
// numbers everywhere; the standard distributions and std::shuffle do not, so
// every draw goes through the helpers here and the same seed gives the same
// bytes with any standard library.

#include <cstdint>
#include <initializer_list>
#include <random>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace lumora::samples {

class Rng {
 public:
  explicit Rng(std::uint32_t seed) : engine_(seed) {}

  // An independent stream per part of the world, so that a new part (another
  // file kind) does not change what the existing parts draw.
  static Rng Stream(std::uint32_t seed, std::string_view name);

  // A whole number from lo to hi, both included.
  int Uniform(int lo, int hi);
  // A multiple of step from lo to hi (both multiples of step).
  int Step(int lo, int hi, int step) { return Uniform(lo / step, hi / step) * step; }
  bool Percent(int percent) { return Uniform(0, 99) < percent; }
  // Index of the chosen weight; weights are not negative and not all 0.
  std::size_t Weighted(std::initializer_list<int> weights);

  template <class T>
  const T& Pick(const std::vector<T>& items) {
    if (items.empty()) throw std::logic_error("Pick from an empty list");
    return items[static_cast<std::size_t>(Uniform(0, static_cast<int>(items.size()) - 1))];
  }

  // Fisher-Yates with the helpers above.
  template <class T>
  void Shuffle(std::vector<T>& items) {
    for (std::size_t i = items.size(); i > 1; --i) {
      const auto j = static_cast<std::size_t>(Uniform(0, static_cast<int>(i) - 1));
      std::swap(items[i - 1], items[j]);
    }
  }

 private:
  std::mt19937 engine_;
};

}  // namespace lumora::samples
