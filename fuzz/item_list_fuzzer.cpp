// The item list file (".kwj"): every item its import adds to the vault must
// survive a round trip through vault lines.

#include "fuzz_support.h"
#include "itemdb/exchange_files.h"
#include "platform/testing/recording_message_box.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace davoruzivi;
  MasterVault vault = fuzz::EmptyShippedVault();
  platform::testing::RecordingMessageBox messages;
  const std::filesystem::path path = fuzz::WriteInputFile("fuzz.kwj", fuzz::AsText(data, size));
  for (const std::size_t position : ImportItemList(path, vault, messages))
    fuzz::CheckVaultRoundTrip(vault.Items()[position], fuzz::EmptyShippedVault());
  return 0;
}
