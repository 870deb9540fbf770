#include "template_session.h"

#include <chrono>
#include <ctime>
#include <ostream>

#include "core/integer_text.h"
#include "template/classes.h"
#include "template/template_file.h"

namespace davoruzivi::cli {

int CommandLineQuestions::Ask(const platform::Question& question) {
  if (question.caption == kServerConversionQuestion.Caption)
    return convertServers_ ? kConvertServerButton : kConvertServerButton + 1;
  return question.cancelAnswer;
}

std::string SystemClock::NowText() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  char text[64];
  std::strftime(text, sizeof text, "%x %X", std::localtime(&now));
  return text;
}

TemplateSession::TemplateSession(Context& context, bool convertServers)
    : context_(context),
      settings_(DefaultSettings()),
      questions_(convertServers),
      workflow_(model_, vault_, settings_,
                WorkflowServices{context.messages, questions_, files_, clock_, settingsStore_},
                context.programFolder) {
  workflow_.NewTemplate();
}

int TemplateSession::LoadVault() { return Command::LoadVault(context_, vault_); }

const Configuration* TemplateSession::ChosenConfiguration(const std::optional<std::string>& option) {
  int index = model_.CurrentConfiguration;
  if (option) {
    const auto number = ParseInteger(*option);
    index = number ? *number : -1;
  }
  if (index < 0 || index >= static_cast<int>(model_.Configurations.size())) {
    context_.err << "davoruzivi-cli: the template has no configuration " << (option ? *option : std::string("selected"))
                 << '\n';
    return nullptr;
  }
  return &model_.Configurations[static_cast<std::size_t>(index)];
}

int TemplateSession::OpenConfiguration(const std::string& file, const std::optional<std::string>& configOption,
                                       const Configuration*& configuration) {
  if (const int code = LoadVault()) return code;
  if (!workflow_.Load(std::filesystem::path(file))) return kExitFailure;
  configuration = ChosenConfiguration(configOption);
  return configuration ? kExitSuccess : kExitFailure;
}

std::string TemplateSession::Text() const { return WriteTemplateText(model_, vault_.Vocabularies()); }

}  // namespace davoruzivi::cli
