#pragma once
// A list of texts kept in one block of memory: compact for lists of many
// short names that are built once and then only read.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace davoruzivi {

class TextList {
 public:
  void Clear() {
    chars_.clear();
    ends_.clear();
  }
  void Reserve(std::size_t count, std::size_t totalLength) {
    ends_.reserve(count);
    chars_.reserve(totalLength);
  }
  void Add(std::string_view text) {
    chars_ += text;
    ends_.push_back(chars_.size());
  }

  std::size_t Size() const { return ends_.size(); }
  bool Empty() const { return ends_.empty(); }
  std::string_view operator[](std::size_t i) const {
    const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(chars_).substr(begin, ends_[i] - begin);
  }
  std::string_view At(std::size_t i) const { return i < Size() ? (*this)[i] : std::string_view(); }

 private:
  std::string chars_;
  std::vector<std::size_t> ends_;
};

}  // namespace davoruzivi
