#include "itemdb/item_xml.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "core/cp1252.h"
#include "core/integer_text.h"
#include "itemdb/stat_catalogue.h"
#include "platform/message_box.h"

namespace davoruzivi {
namespace {

struct PhraseStat {
  std::string_view phrase;
  StatId stat;
};

// An effect that begins no catalogue name is known by the phrases it holds;
// of those it holds, the last in the table wins.
constexpr PhraseStat kEffectPhrases[] = {
    {"all melee", 20},         {"all magic", 21},         {"all dual wield", 181},   {"large weapon", 71},
    {"two handed", 31},        {"celtic dual", 69},       {"smite", 50},             {"cold magic", 45},
    {"spirit magic", 52},      {"archery skills", 182},   {"archery damage", 153},   {"archery speed", 152},
    {"archery range", 154},    {"arrow recover", 170},    {"spell duration", 156},   {"casting speed", 152},
    {"spell damage", 153},     {"spell range", 154},      {"spell power cost", 173}, {"power percent", 145},
    {"hits", 10},              {"af bonus", 148},         {"buff bonus", 161},       {"negative effect", 176},
    {"to-hit", 171},           {"bladeturn reinf", 175},  {"style cost", 172},       {"melee speed", 149},
    {"melee damage", 150},     {"style damage", 151},     {"reactionary", 178},      {"concentration", 177},
    {"death experience loss", 169}, {"piece ablative", 174},
};

// A focus effect starts over and is known by these phrases instead.
constexpr PhraseStat kFocusPhrases[] = {
    {"all focus", 22},   {"body", 54},         {"cold", 55},      {"death servant", 56}, {"deathsight", 57},
    {"earth", 58},       {"fire", 59},         {"matter", 60},    {"mind", 61},          {"painworking", 62},
    {"spirit", 63},      {"wind", 64},         {"arbor", 92},     {"creep", 93},         {"enchant", 94},
    {"shriek", 95},      {"light", 96},        {"mana", 97},      {"mentalism", 98},     {"wail", 99},
    {"spectral", 100},   {"verdant", 101},     {"void", 102},     {"bone army", 126},    {"curse", 127},
    {"darkness", 128},   {"hex", 129},         {"runecarving", 130}, {"summoning", 131}, {"suppression", 132},
    {"witch", 133},
};

// A slot's type line turns the stat its effect named into another, when the
// type holds the phrase. Applied in this order, each to what the earlier left.
struct TypeAdjustment {
  std::string_view phrase;
  StatId from;
  StatId to;
};
constexpr TypeAdjustment kTypeAdjustments[] = {
    // a resist found by its prefix becomes the skill of the same damage type
    {"skill", 11, 29}, {"skill", 12, 28}, {"skill", 13, 30},
    {"pve", 24, 168},
    {"focus", 77, 95}, {"focus", 84, 99}, {"focus", 87, 100},
    {"cap inc", 1, 134}, {"cap inc", 2, 135}, {"cap inc", 3, 136}, {"cap inc", 4, 137},
    {"cap inc", 5, 138}, {"cap inc", 6, 139}, {"cap inc", 7, 140}, {"cap inc", 8, 141},
    {"cap inc", 9, 144}, {"cap inc", 10, 146}, {"cap inc", 142, 143},
};

// Any of these in a location's value makes the item's location known.
constexpr std::string_view kLocationWords[] = {
    "jewel", "neck", "cloak", "belt",      "ring",      "wrist",      "chest",      "head",       "arms",
    "hands", "legs", "feet",  "right hand", "left hand", "2 handed", "two handed", "ranged",
};

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// 1-based position of the first occurrence, 0 when there is none.
std::ptrdiff_t Position(std::string_view text, std::string_view part) {
  const std::size_t found = text.find(part);
  return found == std::string_view::npos ? 0 : static_cast<std::ptrdiff_t>(found) + 1;
}

ItemTextKind KindOfFoldedText(std::string_view text) {
  // A chat log is recognised whatever else the text holds.
  if (Contains(text, "*** chat log")) return ItemTextKind::ChatLog;
  if (!Contains(text, "<?xml")) return ItemTextKind::Unsupported;
  if (Contains(text, "<scitem>") && !Contains(text, "<sctemplate>") && !Contains(text, "oracle"))
    return ItemTextKind::ItemXml;
  return ItemTextKind::OtherXml;
}

std::optional<TagValue> PairOf(std::string_view line) {
  const std::ptrdiff_t open = Position(line, "<");
  if (open == 0) return std::nullopt;
  const std::ptrdiff_t tagEnd = Position(line, ">");
  const std::ptrdiff_t closing = Position(line, "</");
  const std::ptrdiff_t valueEnd = closing > 0 ? closing : static_cast<std::ptrdiff_t>(line.size());
  return TagValue{TrimBlanksAndControls(CopyOf(line, open + 1, tagEnd - open - 1)),
                  TrimBlanksAndControls(CopyOf(line, tagEnd + 1, valueEnd - tagEnd - 1))};
}

std::optional<StatId> FirstStatBeginningWith(std::string_view text) {
  const auto& names = StatCatalogue().Entries();
  const auto found = std::find_if(names.begin(), names.end(), [text](const std::string& name) {
    return name.size() >= text.size() && EqualIgnoringCase(std::string_view(name).substr(0, text.size()), text);
  });
  if (found == names.end()) return std::nullopt;
  return static_cast<StatId>(found - names.begin());
}

StatId LastPhraseIn(std::string_view foldedText, std::span<const PhraseStat> phrases) {
  StatId stat = 0;
  for (const PhraseStat& entry : phrases)
    if (Contains(foldedText, entry.phrase)) stat = entry.stat;
  return stat;
}

StatId StatOfEffect(std::string_view effect) {
  if (const auto stat = FirstStatBeginningWith(effect)) return *stat;
  const std::string folded = FoldCase(effect);
  if (Contains(folded, "focus")) return LastPhraseIn(folded, kFocusPhrases);
  return LastPhraseIn(folded, kEffectPhrases);
}

StatId AdjustedByType(StatId stat, std::string_view foldedType) {
  for (const TypeAdjustment& adjustment : kTypeAdjustments)
    if (stat == adjustment.from && Contains(foldedType, adjustment.phrase)) stat = adjustment.to;
  return stat;
}

// Goes through an item XML's pairs in order, filling a record.
class ItemXmlConverter {
 public:
  // False when the pair ends the conversion without success.
  bool Take(const TagValue& pair, platform::MessageBox& messages) {
    const std::string tag = FoldCase(pair.Tag);
    const std::string value = FoldCase(pair.Value);
    if (Contains(tag, "itemname")) item_.Name = pair.Value;
    if (Contains(tag, "location") && MentionsLocation(value)) locationKnown_ = true;
    if (Contains(tag, "slot") && !Contains(tag, "/slot") && !inSlot_) inSlot_ = true;
    if (Contains(tag, "effect") && InUsableSlot(value)) item_.StatIds[slot_] = StatOfEffect(pair.Value);
    if (Contains(tag, "amount") && InUsableSlot(value)) item_.StatValues[slot_] = ParseIntegerOr(pair.Value, 0);
    if (Contains(tag, "type") && InUsableSlot(value))
      item_.StatIds[slot_] = AdjustedByType(item_.StatIds[slot_], value);
    if (Contains(tag, "type") && !Contains(tag, "damage") && !inSlot_ && !locationKnown_) {
      messages.Notify(kXmlOutOfOrderMessage);
      return false;
    }
    if (Contains(tag, "/slot")) {
      ++slot_;
      inSlot_ = false;
    }
    return true;
  }

  const VaultItem& Item() const { return item_; }

 private:
  static bool MentionsLocation(std::string_view foldedValue) {
    return std::any_of(std::begin(kLocationWords), std::end(kLocationWords),
                       [foldedValue](std::string_view word) { return Contains(foldedValue, word); });
  }

  // Slots past the record's tenth are read but not kept.
  bool InUsableSlot(std::string_view value) const { return inSlot_ && !value.empty() && slot_ < kBonusSlots; }

  VaultItem item_ = ResetVaultItem();
  int slot_ = 0;  // bonus n is slot n - 1
  bool inSlot_ = false;
  bool locationKnown_ = false;
};

}  // namespace

std::string_view TrimBlanksAndControls(std::string_view text) {
  const auto kept = [](char c) { return static_cast<unsigned char>(c) > ' '; };
  const auto first = std::find_if(text.begin(), text.end(), kept);
  const auto last = std::find_if(text.rbegin(), text.rend(), kept).base();
  return first < last ? std::string_view(first, last) : std::string_view();
}

ItemTextKind ItemTextKindOf(std::string_view text) { return KindOfFoldedText(FoldCase(text)); }

ItemTextKind ItemTextKindOf(std::span<const std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += '\n';
  }
  return ItemTextKindOf(text);
}

std::vector<TagValue> TagValuePairs(std::span<const std::string_view> lines) {
  std::vector<TagValue> pairs;
  for (std::size_t i = 1; i < lines.size(); ++i)
    if (auto pair = PairOf(lines[i])) pairs.push_back(*pair);
  return pairs;
}

ItemTextConversion ConvertItemText(std::span<const std::string_view> lines, platform::MessageBox& messages) {
  ItemXmlConverter converter;
  if (ItemTextKindOf(lines) != ItemTextKind::ItemXml) return {converter.Item(), false};
  for (const TagValue& pair : TagValuePairs(lines))
    if (!converter.Take(pair, messages)) return {converter.Item(), false};
  VaultItem item = converter.Item();
  if (FitValuesToVaultLine(item)) messages.Notify(FittedItemsMessage(std::array{item.Name.Str()}));
  return {item, true};
}

}  // namespace davoruzivi
