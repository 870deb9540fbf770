// A template text (what a ".kwt" file inflates to) read by Import into each
// example template: the class and server checks, the shift of the item
// references and the removal of duplicate vault entries.

#include "fuzz_support.h"
#include "platform/testing/recording_message_box.h"
#include "template/template_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace davoruzivi;
  const MasterVault& vault = fuzz::ShippedVault();
  for (const Template& example : fuzz::ExampleTemplates()) {
    Template model = example;
    platform::testing::RecordingMessageBox messages;
    if (ReadTemplateText(fuzz::AsText(data, size), "fuzz.kwt", TemplateReadMode::Import, model,
                         vault.Vocabularies(), messages) == template_read::Ok)
      fuzz::ExerciseTemplate(model, vault, ApplyClass(model.ClassIndex));
  }
  return 0;
}
