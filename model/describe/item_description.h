#pragma once
// Item descriptions: the block of text lines that tells everything the
// template knows about one item, for a master-vault item (panel or list
// form), an inline item and a spellcrafted item. The line groups are public
// so that the template report can build its item sections from them.
// Composing a description reads only its inputs, never fails and never reads
// outside a list: an index that names no entry shows the empty text.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "itemdb/inline_item.h"
#include "itemdb/item_vocabularies.h"
#include "itemdb/stat_catalogue.h"
#include "itemdb/vault_item.h"
#include "template/crafted_item.h"

namespace davoruzivi {

struct ItemDescription {
  std::string title;  // empty in the list form
  std::vector<std::string> lines;
};

// Panel: the main window's information panel, with a title.
// List: the vault loader's and vault grabber's lists, no title.
enum class DescriptionForm { Panel, List };

// What a description reads besides the item: the vault's vocabularies, the
// class's armour (for absorb index 6, "Max armor grade allowed by Class") and
// the class's realm (for the gem names: 0 Albion, 1 Hibernia, 2 Midgard).
struct DescriptionContext {
  const ItemVocabularies& vocabularies;
  int classArmorAbsorption;  // ClassInfo::ArmorAbsorption, 0 (cloth) .. 4 (plate)
  int realm;
};

// The context of a class index 0..46 of the class list; an index outside it
// describes as class 0 does.
DescriptionContext ContextForClass(const ItemVocabularies& vocabularies, int classIndex);

ItemDescription DescribeVaultItem(const VaultItem& item, DescriptionForm form, const DescriptionContext& context);
ItemDescription DescribeInlineItem(const InlineItem& item, const DescriptionContext& context);
// A crafted item's four gem lines always show; an empty gem slot shows "<Empty>" and
// the amount 0.
ItemDescription DescribeCraftedItem(const CraftedItem& item, const DescriptionContext& context);

// --- Line groups. Each is empty where the item gives no line. ---

// Level, type, expansion, quality, source and origin, worded for the form.
// The quality line is left out for a quality the list lacks (41: none
// recorded) unless alwaysShowQuality, which keeps it with the empty text.
std::vector<std::string> DetailLines(const VaultItem& item, DescriptionForm form, const DescriptionContext& context,
                                     bool alwaysShowQuality = false);
// "(Item Verified!)" or "(Item Unverified...)", then "(Being researched...)".
std::vector<std::string> VerificationLines(const VaultItem& item);
// "Absorb : " and "AF : " for absorb 1..6; none otherwise.
std::vector<std::string> ArmourLines(const VaultItem& item, const DescriptionContext& context);
// "Weapon Type  : ", "Weapon Speed : " and "DPS : " when WeaponType is not 0.
std::vector<std::string> WeaponLines(const VaultItem& item, const DescriptionContext& context);

// Amount, one blank, stat name: "15 Strength".
std::string BonusLine(int amount, int statId);
// One BonusLine per slot whose StatId is not 0, in slot order; the spans are
// read up to the shorter one's length.
std::vector<std::string> BonusLines(std::span<const StatId> ids, std::span<const std::int32_t> values);

// The proc line of proc slot procSlot (0 first, 1 second); empty text for
// kinds 0, 6 and above, which give no line.
std::string ProcLine(int kind, int amount, int effect, int procSlot, const DescriptionContext& context);
// Stat name padded to 30, " : ", amount right-aligned in 4, " ( " gem name " )".
// StatId 0 shows "<Empty>".
std::string GemLine(int statId, int amount, int tier, int realm);
// UtilityOf + " Utility", then ToAUtilityOf + " ToA Utility".
std::vector<std::string> UtilityLines(const VaultItem& item);
// "Bonus Level (Manual) : " + BonusLevel or "Bonus Level (Auto) : " + BonusLevelOf.
std::string BonusLevelLine(const VaultItem& item);

// The armour factor shown for an item: L for cloth, 2 x L for any other
// armour; for absorb 6 the class's armour decides. Nothing for absorb 0 and
// above 6.
std::optional<int> ArmourFactorOf(const VaultItem& item, int classArmorAbsorption);
// The damage per second text: Level x 0.3 + 1.2 with one decimal.
std::string DamagePerSecondText(int level);

}  // namespace davoruzivi
