#pragma once
// Little-endian fixed-layout byte images of the planner's records. Each field
// is read or written at an explicit offset, so a layout reads like its table.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "core/short_string.h"

namespace davoruzivi {

class ImageWriter {
 public:
  explicit ImageWriter(std::span<std::uint8_t> image) : image_(image) {}

  void U8(std::size_t offset, std::uint8_t value) { image_[offset] = value; }
  void U16(std::size_t offset, std::uint16_t value) {
    image_[offset] = static_cast<std::uint8_t>(value);
    image_[offset + 1] = static_cast<std::uint8_t>(value >> 8);
  }
  void I32(std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) image_[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
  }
  void F64(std::size_t offset, double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (std::size_t i = 0; i < 8; ++i) image_[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
  }
  // A length byte, then the characters, padded with zero bytes to the capacity.
  template <std::size_t N>
  void Text(std::size_t offset, const ShortString<N>& text) {
    image_[offset] = static_cast<std::uint8_t>(text.Size());
    std::memset(&image_[offset + 1], 0, N);
    std::memcpy(&image_[offset + 1], text.View().data(), text.Size());
  }
  template <std::size_t N>
  void Bytes(std::size_t offset, const std::array<std::uint8_t, N>& bytes) {
    std::memcpy(&image_[offset], bytes.data(), N);
  }
  template <std::size_t N>
  void U16s(std::size_t offset, const std::array<std::uint16_t, N>& values) {
    for (std::size_t i = 0; i < N; ++i) U16(offset + 2 * i, values[i]);
  }
  template <std::size_t N>
  void I32s(std::size_t offset, const std::array<std::int32_t, N>& values) {
    for (std::size_t i = 0; i < N; ++i) I32(offset + 4 * i, values[i]);
  }

 private:
  std::span<std::uint8_t> image_;
};

class ImageReader {
 public:
  explicit ImageReader(std::span<const std::uint8_t> image) : image_(image) {}

  std::uint8_t U8(std::size_t offset) const { return image_[offset]; }
  std::uint16_t U16(std::size_t offset) const {
    return static_cast<std::uint16_t>(image_[offset] | (image_[offset + 1] << 8));
  }
  std::int32_t I32(std::size_t offset) const {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) bits |= std::uint32_t{image_[offset + i]} << (8 * i);
    return static_cast<std::int32_t>(bits);
  }
  double F64(std::size_t offset) const {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i) bits |= std::uint64_t{image_[offset + i]} << (8 * i);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  // A length byte larger than the capacity (a damaged file) reads as the capacity.
  template <std::size_t N>
  ShortString<N> Text(std::size_t offset) const {
    const std::size_t length = std::min<std::size_t>(image_[offset], N);
    return ShortString<N>(std::string_view(reinterpret_cast<const char*>(&image_[offset + 1]), length));
  }
  template <std::size_t N>
  std::array<std::uint8_t, N> Bytes(std::size_t offset) const {
    std::array<std::uint8_t, N> bytes{};
    std::memcpy(bytes.data(), &image_[offset], N);
    return bytes;
  }
  template <std::size_t N>
  std::array<std::uint16_t, N> U16s(std::size_t offset) const {
    std::array<std::uint16_t, N> values{};
    for (std::size_t i = 0; i < N; ++i) values[i] = U16(offset + 2 * i);
    return values;
  }
  template <std::size_t N>
  std::array<std::int32_t, N> I32s(std::size_t offset) const {
    std::array<std::int32_t, N> values{};
    for (std::size_t i = 0; i < N; ++i) values[i] = I32(offset + 4 * i);
    return values;
  }

 private:
  std::span<const std::uint8_t> image_;
};

}  // namespace davoruzivi
