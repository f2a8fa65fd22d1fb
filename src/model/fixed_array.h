#pragma once
// A heap array whose size is fixed at construction: allocated once, never
// grown or moved, so indexes and references into it stay valid for the run.

#include <cassert>
#include <cstddef>
#include <memory>

namespace lumora {

template <typename T>
class FixedArray {
 public:
  explicit FixedArray(std::size_t size) : data_(std::make_unique<T[]>(size)), size_(size) {}
  FixedArray(const FixedArray&) = delete;
  FixedArray& operator=(const FixedArray&) = delete;

  std::size_t size() const { return size_; }
  T& operator[](std::size_t i) {
    assert(i < size_);
    return data_[i];
  }
  const T& operator[](std::size_t i) const {
    assert(i < size_);
    return data_[i];
  }
  T* begin() { return data_.get(); }
  T* end() { return data_.get() + size_; }
  const T* begin() const { return data_.get(); }
  const T* end() const { return data_.get() + size_; }

 private:
  std::unique_ptr<T[]> data_;
  std::size_t size_;
};

}  // namespace lumora
