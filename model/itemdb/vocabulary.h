#pragma once
// An ordered list of display names; records store the index of an entry.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace davoruzivi {

class Vocabulary {
 public:
  Vocabulary() = default;
  Vocabulary(std::initializer_list<std::string_view> entries);
  explicit Vocabulary(const std::vector<std::string>& entries);

  // Index of the first entry equal to the text ignoring letter case, or -1.
  int IndexOf(std::string_view text) const;
  // Index of the first entry exactly equal to the text, or -1.
  int ExactIndexOf(std::string_view text) const;
  // The entry's text; the empty text for an index outside the list.
  std::string_view TextOf(long long index) const;
  // Adds an entry at the end and returns its index.
  int Append(std::string_view text);

  int Size() const { return static_cast<int>(entries_.size()); }
  const std::vector<std::string>& Entries() const { return entries_; }

 private:
  // An open-addressing table from texts to the first entry equal to them,
  // either exactly or ignoring letter case. Lookups compare against the
  // entries themselves, so no text is stored twice.
  class Index {
   public:
    explicit Index(bool ignoreCase) : ignoreCase_(ignoreCase) {}
    // The first entry equal to the text ignoring letter case, or -1.
    int Find(std::string_view text, const std::vector<std::string>& entries) const;
    // The first entry filed under a text equal to this one, or -1.
    int FindKey(std::string_view text, const std::vector<std::string>& entries) const;
    // Files the entry under its text unless an equal text is filed already;
    // returns the first entry filed under it.
    int Insert(int entry, int firstEqual, const std::vector<std::string>& entries);

   private:
    struct Slot {
      std::uint64_t hash = 0;
      int key = -1;     // the entry whose text is compared
      int result = -1;  // the first entry equal to it ignoring letter case
    };
    const Slot* Lookup(std::string_view text, const std::vector<std::string>& entries) const;
    std::uint64_t Hash(std::string_view text) const;
    bool Equal(std::string_view a, std::string_view b) const;
    void Grow();

    bool ignoreCase_;
    std::vector<Slot> slots_;  // a power of two in size, at most half full
    std::size_t used_ = 0;
  };

  std::vector<std::string> entries_;
  // A file almost always names an entry exactly, which the exact index finds
  // without folding letter case.
  Index exact_{false};
  Index folded_{true};
};

// A Word field holding IndexOf's -1 reads 65535.
inline constexpr std::uint16_t kUnknownIndex = 65535;

inline std::uint16_t ToWordIndex(int index) { return static_cast<std::uint16_t>(index); }

}  // namespace davoruzivi
