// The single-item files: the same bytes imported as a ".kwx" (the vault item
// export or the legacy record), a ".kwi" and a ".kwz". The item each import
// adds to the vault must survive a round trip through vault lines.

#include "fuzz_support.h"
#include "itemdb/exchange_files.h"
#include "platform/testing/recording_message_box.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace davoruzivi;
  MasterVault vault = fuzz::EmptyShippedVault();
  for (const std::string_view name : {"fuzz.kwx", "fuzz.kwi", "fuzz.kwz"}) {
    platform::testing::RecordingMessageBox messages;
    const auto position = ImportItemFile(fuzz::WriteInputFile(name, fuzz::AsText(data, size)), vault, messages);
    if (position) fuzz::CheckVaultRoundTrip(vault.Items()[*position], fuzz::EmptyShippedVault());
  }
  return 0;
}
