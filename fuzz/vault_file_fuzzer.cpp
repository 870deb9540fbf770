// The master vault file (".kwv"): the start-up load, which inflates on a worker
// thread while it parses, must agree with inflating the whole file first and
// parsing its text.

#include "fuzz_support.h"
#include "itemdb/vault_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace davoruzivi;
  const std::filesystem::path path = fuzz::WriteInputFile("fuzz.kwv", fuzz::AsText(data, size));
  MasterVault streamed;
  const VaultLoadResult load = LoadMasterVault(path, streamed);

  const VaultFileText file = ReadVaultFile(path);
  MasterVault parsed;
  const VaultLoadResult whole = file.Result.Ok() ? ParseVaultText(file.Text, parsed) : file.Result;
  if (load.ExitCode != whole.ExitCode || load.Message != whole.Message)
    fuzz::Fail("the streaming load and the whole-file read disagree", load.Message + " / " + whole.Message);
  if (load.Ok() && streamed.Items() != parsed.Items())
    fuzz::Fail("the streaming load and the whole-file read give other records");
  return 0;
}
