// The vault text parser: every record it reads must survive being written back
// as vault lines and read again.

#include <algorithm>

#include "fuzz_support.h"
#include "itemdb/vault_reader.h"

namespace {

// A count line may announce up to a million all-zero records; the first 32
// hold every record the blocks of an input of a few kB fill.
constexpr std::size_t kCheckedRecords = 32;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace davoruzivi;
  MasterVault vault;
  if (!ParseVaultText(fuzz::AsText(data, size), vault).Ok()) return 0;
  const MasterVault empty = fuzz::EmptyVaultWith(vault.Vocabularies());
  const std::size_t checked = std::min(vault.Size(), kCheckedRecords);
  for (std::size_t k = 0; k < checked; ++k) fuzz::CheckVaultRoundTrip(vault.Items()[k], empty);
  return 0;
}
