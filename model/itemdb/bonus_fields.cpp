#include "itemdb/bonus_fields.h"

namespace davoruzivi {

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
