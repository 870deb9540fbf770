#include "itemdb/bonus_fields.h"

namespace davoruzivi {

const Vocabulary& RowStatList(int category) {
  static const Vocabulary emptyOnly{StatCatalogue().TextOf(0)};
  const Vocabulary& entries = StatCategoryEntries(category);
  return entries.Size() > 0 ? entries : emptyOnly;
}

void ClearUnusedRows(BonusRows& rows) {
  for (BonusRowFields& row : rows) {
    if (row.category == 0) row.stat = 0;
    if (row.stat == 0) row.amount = "0";
  }
}

void ChooseCategory(BonusRowFields& row, int category) {
  row.category = category;
  row.stat = 0;
  row.amount = "0";
}

}  // namespace davoruzivi
