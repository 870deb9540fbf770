#pragma once
// The item vocabularies: the lists that give a VaultItem's numeric fields their
// meaning. Fixed lists are constants; the lists that grow when a vault file or
// the item editor brings a new name belong to one ItemVocabularies object.

#include <cstdint>
#include <string_view>

#include "itemdb/vocabulary.h"

namespace davoruzivi {

inline constexpr int kClassCount = 47;

// The largest shield a class carries (its ShieldSize), which decides the
// shield weapon types it may use.
namespace shield {
inline constexpr std::uint16_t None = 0, Small = 15, Medium = 16, Large = 17;
}  // namespace shield
inline constexpr int kNoQuality = 41;  // Quality value that records no quality

// Fixed lists.
const Vocabulary& SlotList();        // "<Not Selected>", "Jewel" .. "Mythirians"
const Vocabulary& AbsorbList();      // "N/A", "0% (Cloth)" .. "Max armor grade allowed by Class"
const Vocabulary& QualityList();     // "70" .. "100", "N/A"
const Vocabulary& SpeedList();       // "N/A", "1.5" .. "6.0", "Other"
const Vocabulary& RealmList();       // "Albion", "Hibernia", "Midgard", "Universal"
const Vocabulary& ProcKindList();    // "No Procs/Effects", "Normal Proc" .. "Mythirians"
const Vocabulary& ItemLevelList();   // "0" .. "51"
const Vocabulary& ServerList();      // the item editor's seven server types
// The 47 classes with their realm prefix, "(Alb) Armsman" .. "(Mid) Warrior";
// entry i is ClassUsable index i.
const Vocabulary& ClassList();

// A growing vocabulary and its twin filter list, which holds a header entry and
// then the same names. Whatever is appended goes to both.
class TwinnedVocabulary {
 public:
  TwinnedVocabulary(Vocabulary list, Vocabulary filter);

  const Vocabulary& List() const { return list_; }
  const Vocabulary& Filter() const { return filter_; }

  int IndexOf(std::string_view text) const { return list_.IndexOf(text); }
  std::string_view TextOf(long long index) const { return list_.TextOf(index); }
  int Append(std::string_view text);
  // The text's index, appending the text when the list lacks it. A list that
  // already fills every index a Word can hold takes no more (-1).
  int IndexOrAppend(std::string_view text);

 private:
  Vocabulary list_;
  Vocabulary filter_;
};

class ItemVocabularies {
 public:
  ItemVocabularies();

  TwinnedVocabulary ItemTypes;    // rType with ITypeFilter
  TwinnedVocabulary Expansions;   // cExpansion with ExpansionFilter
  TwinnedVocabulary WeaponTypes;  // WType with weaponfilter
  TwinnedVocabulary Sources;      // cSource with SourceFilter
  TwinnedVocabulary Effects;      // AllProcs with ProcFilter
};

}  // namespace davoruzivi
