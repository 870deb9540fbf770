#include "itemdb/inline_item.h"

#include "core/byte_image.h"

namespace davoruzivi {
namespace {

namespace offset {
constexpr std::size_t Name = 0, StatIds = 201, StatValues = 221, ProcKinds = 261, ProcEffects = 263,
                      ProcAmounts = 267;
}  // namespace offset
static_assert(offset::ProcAmounts + 4 == kInlineItemImageSize);

}  // namespace

InlineItemImage ToImage(const InlineItem& item) {
  InlineItemImage image{};
  ImageWriter w(image);
  w.Text(offset::Name, item.Name);
  w.U16s(offset::StatIds, item.StatIds);
  w.I32s(offset::StatValues, item.StatValues);
  w.Bytes(offset::ProcKinds, item.ProcKinds);
  w.U16s(offset::ProcEffects, item.ProcEffects);
  w.U16s(offset::ProcAmounts, item.ProcAmounts);
  return image;
}

InlineItem InlineItemFromImage(std::span<const std::uint8_t, kInlineItemImageSize> image) {
  const ImageReader r(image);
  InlineItem item;
  item.Name = r.Text<200>(offset::Name);
  item.StatIds = r.U16s<kBonusSlots>(offset::StatIds);
  item.StatValues = r.I32s<kBonusSlots>(offset::StatValues);
  item.ProcKinds = r.Bytes<kProcSlots>(offset::ProcKinds);
  item.ProcEffects = r.U16s<kProcSlots>(offset::ProcEffects);
  item.ProcAmounts = r.U16s<kProcSlots>(offset::ProcAmounts);
  return item;
}

}  // namespace davoruzivi
