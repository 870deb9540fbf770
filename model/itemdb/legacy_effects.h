#pragma once
// Older items and templates stored a proc's effect as an index into a list
// chosen by the proc kind. These six lists translate such indices by text.

#include <cstdint>

#include "itemdb/vocabulary.h"

namespace davoruzivi {

const Vocabulary& LegacyNormalProcs();      // Proc1, kind 1
const Vocabulary& LegacyReverseProcs();     // RProc1, kind 2
const Vocabulary& LegacyCharges();          // Charges1, kind 3
const Vocabulary& LegacyAuras();            // Auras1, kind 4
const Vocabulary& LegacySelectables();      // Selectable1, kind 5
const Vocabulary& LegacyMythirianEffects(); // Myth1, kind 6

// The legacy list of a proc kind; nullptr for a kind outside 1..6.
const Vocabulary* LegacyEffectList(int kind);

// The effect index (into `effects`, the vault's AllProcs) of entry `index` of the
// kind's legacy list: 0 for a kind outside 1..6, 65535 for a text that
// `effects` does not hold (such as "Reserved").
std::uint16_t TranslateLegacyEffect(int kind, int index, const Vocabulary& effects);

}  // namespace davoruzivi
