#include "itemdb/vocabulary.h"

#include <cstring>

#include "core/cp1252.h"

namespace davoruzivi {
namespace {

constexpr std::uint64_t kHashMultiplier = 0x9E3779B97F4A7C15ull;

std::uint64_t Mix(std::uint64_t hash, std::uint64_t word) {
  hash = (hash ^ word) * kHashMultiplier;
  return hash ^ (hash >> 29);
}

}  // namespace

std::uint64_t Vocabulary::Index::Hash(std::string_view text) const {
  std::uint64_t hash = text.size();
  std::size_t i = 0;
  std::uint64_t word = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::memcpy(&word, text.data() + i, sizeof word);
    if (ignoreCase_) {
      for (int b = 0; b < 8; ++b) {
        const auto folded = static_cast<unsigned char>(FoldCase1252(static_cast<char>(word >> (8 * b))));
        word = (word & ~(std::uint64_t{0xFF} << (8 * b))) | (std::uint64_t{folded} << (8 * b));
      }
    }
    hash = Mix(hash, word);
  }
  word = 0;
  for (std::size_t b = 0; i < text.size(); ++i, ++b) {
    const char c = ignoreCase_ ? FoldCase1252(text[i]) : text[i];
    word |= std::uint64_t{static_cast<unsigned char>(c)} << (8 * b);
  }
  return Mix(hash, word);
}

bool Vocabulary::Index::Equal(std::string_view a, std::string_view b) const {
  return ignoreCase_ ? EqualIgnoringCase(a, b) : a == b;
}

const Vocabulary::Index::Slot* Vocabulary::Index::Lookup(std::string_view text,
                                                          const std::vector<std::string>& entries) const {
  if (slots_.empty()) return nullptr;
  const std::uint64_t hash = Hash(text);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.key < 0) return nullptr;
    if (slot.hash == hash && Equal(entries[static_cast<std::size_t>(slot.key)], text)) return &slot;
  }
}

int Vocabulary::Index::Find(std::string_view text, const std::vector<std::string>& entries) const {
  const Slot* slot = Lookup(text, entries);
  return slot ? slot->result : -1;
}

int Vocabulary::Index::FindKey(std::string_view text, const std::vector<std::string>& entries) const {
  const Slot* slot = Lookup(text, entries);
  return slot ? slot->key : -1;
}

void Vocabulary::Index::Grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 16 : old.size() * 2, Slot{});
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.key < 0) continue;
    std::size_t i = slot.hash & mask;
    while (slots_[i].key >= 0) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

int Vocabulary::Index::Insert(int entry, int firstEqual, const std::vector<std::string>& entries) {
  if (const int known = Find(entries[static_cast<std::size_t>(entry)], entries); known >= 0) return known;
  if (2 * (used_ + 1) > slots_.size()) Grow();
  const std::uint64_t hash = Hash(entries[static_cast<std::size_t>(entry)]);
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = hash & mask;
  while (slots_[i].key >= 0) i = (i + 1) & mask;
  slots_[i] = {hash, entry, firstEqual};
  ++used_;
  return firstEqual;
}

Vocabulary::Vocabulary(std::initializer_list<std::string_view> entries) {
  for (std::string_view entry : entries) Append(entry);
}

Vocabulary::Vocabulary(const std::vector<std::string>& entries) {
  for (const std::string& entry : entries) Append(entry);
}

int Vocabulary::IndexOf(std::string_view text) const {
  if (const int exact = exact_.Find(text, entries_); exact >= 0) return exact;
  return folded_.Find(text, entries_);
}

int Vocabulary::ExactIndexOf(std::string_view text) const { return exact_.FindKey(text, entries_); }

std::string_view Vocabulary::TextOf(long long index) const {
  if (index < 0 || index >= static_cast<long long>(entries_.size())) return {};
  return entries_[static_cast<std::size_t>(index)];
}

int Vocabulary::Append(std::string_view text) {
  const int index = Size();
  entries_.emplace_back(text);
  // A later name equal to an earlier one never shadows it.
  const int first = folded_.Insert(index, index, entries_);
  exact_.Insert(index, first, entries_);
  return index;
}

}  // namespace davoruzivi
