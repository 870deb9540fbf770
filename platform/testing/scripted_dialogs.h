#pragma once
// Dialog doubles for tests: each answers from a script and records what it was
// asked.

#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/confirmation_dialog.h"
#include "platform/file_dialogs.h"
#include "platform/memory_settings_store.h"

namespace davoruzivi::platform::testing {

// Answers each question with the next scripted button; with none left, with
// the answer that changes nothing (the given default).
class ScriptedConfirmationDialog final : public ConfirmationDialog {
 public:
  explicit ScriptedConfirmationDialog(int whenUnscripted = 2) : whenUnscripted_(whenUnscripted) {}
  int Ask(const Question& question) override {
    asked.push_back(question);
    if (answers.empty()) return whenUnscripted_;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::deque<int> answers;
  std::vector<Question> asked;

 private:
  int whenUnscripted_;
};

// Chooses the scripted paths in turn; an empty entry or none left cancels.
class ScriptedFileDialogs final : public FileDialogs {
 public:
  std::optional<std::filesystem::path> Open(const FileDialogRequest& request) override {
    opened.push_back(request);
    return Next();
  }
  std::optional<std::filesystem::path> Save(const FileDialogRequest& request) override {
    saved.push_back(request);
    return Next();
  }

  std::deque<std::filesystem::path> choices;
  std::vector<FileDialogRequest> opened;
  std::vector<FileDialogRequest> saved;

 private:
  std::optional<std::filesystem::path> Next() {
    if (choices.empty()) return std::nullopt;
    std::filesystem::path choice = choices.front();
    choices.pop_front();
    if (choice.empty()) return std::nullopt;
    return choice;
  }
};

class FixedClock final : public Clock {
 public:
  explicit FixedClock(std::string text) : text_(std::move(text)) {}
  std::string NowText() override { return text_; }

 private:
  std::string text_;
};

using InMemorySettingsStore = MemorySettingsStore;

}  // namespace davoruzivi::platform::testing
