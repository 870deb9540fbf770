#pragma once
// Spellcraft: gem and imbue rules, gem names and materials, the crafted item
// bonus tables, the omnicrafter's plan and the spellcraft calculator.

#include "spellcraft/crafted_tables.h"
#include "spellcraft/gem_suggestion.h"
#include "spellcraft/gem_texts.h"
#include "spellcraft/omnicrafter_page.h"
#include "spellcraft/omnicrafter_plan.h"
#include "spellcraft/spellcraft_calculator.h"
#include "spellcraft/spellcraft_rules.h"
