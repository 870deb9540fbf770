#pragma once
// A template for the benchmarks: a Paladin whose one configuration has every
// slot filled with vault items, an inline item and four crafted items.

#include "itemdb/master_vault.h"
#include "template/classes.h"
#include "template/template_model.h"

namespace davoruzivi::bench {

struct FilledTemplate {
  FilledTemplate();

  MasterVault vault;
  Template model;
  AppliedClass applied = ApplyClass(10);
};

// Made once for the whole run.
const FilledTemplate& Filled();

}  // namespace davoruzivi::bench
