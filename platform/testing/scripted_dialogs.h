#pragma once
// Dialog doubles for tests: each answers from a script and records what it was
// asked.

#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/confirmation_dialog.h"
#include "platform/file_dialogs.h"
#include "platform/memory_settings_store.h"
#include "platform/web_opener.h"

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
  std::filesystem::path DocumentsFolder() const override { return documents; }

  std::deque<std::filesystem::path> choices;
  std::filesystem::path documents = "/documents";
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

class RecordingWebOpener final : public WebOpener {
 public:
  void Open(std::string_view address) override { opened.emplace_back(address); }
  std::vector<std::string> opened;
};

class RecordingClipboard final : public Clipboard {
 public:
  void SetText(std::string_view text) override { this->text = std::string(text); }
  std::string text;
};

}  // namespace davoruzivi::platform::testing
