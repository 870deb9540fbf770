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
  for (int n = 0; n < kBonusSlots; ++n) {
    w.U16(offset::StatIds + 2 * n, item.StatIds[n]);
    w.I32(offset::StatValues + 4 * n, item.StatValues[n]);
  }
  for (int n = 0; n < kProcSlots; ++n) {
    w.U8(offset::ProcKinds + n, item.ProcKinds[n]);
    w.U16(offset::ProcEffects + 2 * n, item.ProcEffects[n]);
    w.U16(offset::ProcAmounts + 2 * n, item.ProcAmounts[n]);
  }
  return image;
}

InlineItem InlineItemFromImage(std::span<const std::uint8_t, kInlineItemImageSize> image) {
  const ImageReader r(image);
  InlineItem item;
  item.Name = r.Text<200>(offset::Name);
  for (int n = 0; n < kBonusSlots; ++n) {
    item.StatIds[n] = r.U16(offset::StatIds + 2 * n);
    item.StatValues[n] = r.I32(offset::StatValues + 4 * n);
  }
  for (int n = 0; n < kProcSlots; ++n) {
    item.ProcKinds[n] = r.U8(offset::ProcKinds + n);
    item.ProcEffects[n] = r.U16(offset::ProcEffects + 2 * n);
    item.ProcAmounts[n] = r.U16(offset::ProcAmounts + 2 * n);
  }
  return item;
}

}  // namespace davoruzivi
