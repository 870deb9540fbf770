// Item XML texts: their kind, their tag/value pairs and their conversion into
// an item, which must survive a round trip through vault lines.

#include "core/text_lines.h"
#include "fuzz_support.h"
#include "itemdb/item_xml.h"
#include "platform/testing/recording_message_box.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace davoruzivi;
  const std::string_view text = fuzz::AsText(data, size);
  ItemTextKindOf(text);
  const std::vector<std::string_view> lines = SplitLines(text);
  TagValuePairs(lines);
  platform::testing::RecordingMessageBox messages;
  const ItemTextConversion conversion = ConvertItemText(lines, messages);
  if (conversion.Success) fuzz::CheckVaultRoundTrip(conversion.Item, fuzz::EmptyShippedVault());
  return 0;
}
