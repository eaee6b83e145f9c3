// Splits one fuzz input into the typed arguments a target needs: fixed-size
// numbers from the front, the rest as text. Missing bytes read as zero, so
// every input, however short, is a valid call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace korvel::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  template <typename T>
  T take() {
    T value{};
    std::uint8_t bytes[sizeof(T)] = {};
    const std::size_t count = size_ < sizeof(T) ? size_ : sizeof(T);
    if (count) std::memcpy(bytes, data_, count);
    data_ += count;
    size_ -= count;
    std::memcpy(&value, bytes, sizeof(T));
    return value;
  }

  // Up to the next NUL byte (consumed), or everything left.
  std::string_view takeText() {
    if (size_ == 0) return {};
    const auto* end = static_cast<const std::uint8_t*>(std::memchr(data_, 0, size_));
    const std::size_t length = end ? static_cast<std::size_t>(end - data_) : size_;
    std::string_view text(reinterpret_cast<const char*>(data_), length);
    const std::size_t used = end ? length + 1 : length;
    data_ += used;
    size_ -= used;
    return text;
  }

  std::string_view rest() {
    if (size_ == 0) return {};
    std::string_view text(reinterpret_cast<const char*>(data_), size_);
    size_ = 0;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

}  // namespace korvel::fuzz
