#include "template/crafted_item.h"

#include "core/byte_image.h"

namespace davoruzivi {
namespace {

namespace offset {
constexpr std::size_t Autoname = 0, Name = 1, Absorption = 202, ItemLevel = 203, LegacyBonus = 204,
                      FifthSlotBonus = 205, AlchemyProc = 206, SpareText = 307, StatIds = 408, StatValues = 428,
                      GemTiers = 468;
}  // namespace offset
static_assert(offset::GemTiers + 2 * kGemSlots == kCraftedItemImageSize);

}  // namespace

CraftedItemImage ToImage(const CraftedItem& item) {
  CraftedItemImage image{};
  ImageWriter w(image);
  w.U8(offset::Autoname, item.Autoname);
  w.Text(offset::Name, item.Name);
  w.U8(offset::Absorption, item.Absorption);
  w.U8(offset::ItemLevel, item.ItemLevel);
  w.U8(offset::LegacyBonus, item.LegacyBonus);
  w.U8(offset::FifthSlotBonus, item.FifthSlotBonus);
  w.Text(offset::AlchemyProc, item.AlchemyProc);
  w.Text(offset::SpareText, item.SpareText);
  w.U16s(offset::StatIds, item.StatIds);
  w.I32s(offset::StatValues, item.StatValues);
  w.U16s(offset::GemTiers, item.GemTiers);
  return image;
}

CraftedItem CraftedItemFromImage(std::span<const std::uint8_t, kCraftedItemImageSize> image) {
  const ImageReader r(image);
  CraftedItem item;
  item.Autoname = r.U8(offset::Autoname);
  item.Name = r.Text<200>(offset::Name);
  item.Absorption = r.U8(offset::Absorption);
  item.ItemLevel = r.U8(offset::ItemLevel);
  item.LegacyBonus = r.U8(offset::LegacyBonus);
  item.FifthSlotBonus = r.U8(offset::FifthSlotBonus);
  item.AlchemyProc = r.Text<100>(offset::AlchemyProc);
  item.SpareText = r.Text<100>(offset::SpareText);
  item.StatIds = r.U16s<kBonusSlots>(offset::StatIds);
  item.StatValues = r.I32s<kBonusSlots>(offset::StatValues);
  item.GemTiers = r.U16s<kGemSlots>(offset::GemTiers);
  return item;
}

}  // namespace davoruzivi
