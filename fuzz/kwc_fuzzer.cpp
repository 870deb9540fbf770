// The older ".kwc" template, loaded and then imported through the template workflow.

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  davoruzivi::fuzz::LoadAndImportLegacyTemplate("fuzz.kwc", davoruzivi::fuzz::AsText(data, size));
  return 0;
}
