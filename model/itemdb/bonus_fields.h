#pragma once
// The bonus and proc rows through which the item windows edit an item's ten
// bonuses and two procs: each row as its controls show it, and the moves
// between rows and a record that carries StatIds, StatValues and the procs.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/integer_text.h"
#include "itemdb/stat_catalogue.h"
#include "itemdb/vault_item.h"

namespace davoruzivi {

inline constexpr int kBonusAmountBound = 200;
inline constexpr int kProcAmountBound = 5000;

// One bonus row: a category of StatCategoryList, an entry of that category's
// list and the amount as the field shows it.
struct BonusRowFields {
  int category = 0;  // "<Select>"
  int stat = 0;      // "<Empty>"
  std::string amount = "0";

  friend bool operator==(const BonusRowFields&, const BonusRowFields&) = default;
};

struct ProcFields {
  int kind = 0;    // ProcKindList: "No Procs/Effects"
  int effect = 0;  // the effect list AllProcs
  std::string amount = "0";

  friend bool operator==(const ProcFields&, const ProcFields&) = default;
};

using BonusRows = std::array<BonusRowFields, kBonusSlots>;
using ProcRows = std::array<ProcFields, kProcSlots>;

// The stat list a row shows: its category's entries, or "<Empty>" alone for "<Select>".
const Vocabulary& RowStatList(int category);

// A row without a category lists no stat; a row without a stat holds no amount.
void ClearUnusedRows(BonusRows& rows);
// A new category lists its "<Empty>" entry with the amount "0".
void ChooseCategory(BonusRowFields& row, int category);

// Each bonus where the category lists show it (a StatId of 0 at "<Select>").
template <typename Item>
BonusRows BonusRowsOf(const Item& item) {
  BonusRows rows;
  for (std::size_t n = 0; n < rows.size(); ++n) {
    StatChoice choice;
    StatToCategory(item.StatIds[n], choice);
    rows[n] = {choice.Category, choice.Entry, std::to_string(item.StatValues[n])};
  }
  return rows;
}

template <typename Item>
ProcRows ProcRowsOf(const Item& item) {
  ProcRows procs;
  for (std::size_t n = 0; n < procs.size(); ++n)
    procs[n] = {item.ProcKinds[n], item.ProcEffects[n], std::to_string(item.ProcAmounts[n])};
  return procs;
}

// Row n gives bonus n, so a row left empty leaves an empty slot; an amount
// that is no number counts 0.
template <typename Item>
void StoreBonusRows(const BonusRows& rows, Item& item) {
  for (std::size_t n = 0; n < rows.size(); ++n) {
    StatChoice choice{rows[n].category, rows[n].stat};
    item.StatIds[n] = CategoryToStat(choice);
    item.StatValues[n] = ParseIntegerOr(rows[n].amount, 0);
  }
}

template <typename Item>
void StoreProcRows(const ProcRows& procs, Item& item) {
  for (std::size_t n = 0; n < procs.size(); ++n) {
    item.ProcKinds[n] = static_cast<std::uint8_t>(procs[n].kind);
    item.ProcEffects[n] = static_cast<std::uint16_t>(procs[n].effect);
    item.ProcAmounts[n] = static_cast<std::uint16_t>(ParseIntegerOr(procs[n].amount, 0));
  }
}

}  // namespace davoruzivi
