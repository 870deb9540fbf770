// A template text (what a ".kwt" file inflates to) read by Load into a new
// template.

#include "fuzz_support.h"
#include "platform/testing/recording_message_box.h"
#include "template/template_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace davoruzivi;
  const MasterVault& vault = fuzz::ShippedVault();
  Template model;
  platform::testing::RecordingMessageBox messages;
  if (ReadTemplateText(fuzz::AsText(data, size), "fuzz.kwt", TemplateReadMode::Load, model, vault.Vocabularies(),
                       messages) == template_read::Ok)
    fuzz::ExerciseTemplate(model, vault, ApplyClass(model.ClassIndex));
  return 0;
}
