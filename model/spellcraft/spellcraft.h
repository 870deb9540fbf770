#pragma once
// Spellcraft: gem and imbue rules, gem names and materials, the crafted item
// bonus tables and the omnicrafter's plan.

#include "spellcraft/crafted_tables.h"
#include "spellcraft/gem_texts.h"
#include "spellcraft/omnicrafter_plan.h"
#include "spellcraft/spellcraft_rules.h"
