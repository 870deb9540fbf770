#pragma once
// The command-line companion's commands: each is one small class over Command.

#include <charconv>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_box.h"

namespace davoruzivi {
class MasterVault;
}

namespace davoruzivi::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Notices the planner would show in a message box: one line "message: TEXT" on
// standard error, in UTF-8, with control characters escaped.
class StderrMessageBox final : public platform::MessageBox {
 public:
  explicit StderrMessageBox(std::ostream& err) : err_(err) {}
  void Show(std::string_view text, std::string_view caption) override;

 private:
  std::ostream& err_;
};

struct Context {
  std::filesystem::path programFolder;
  std::optional<std::filesystem::path> vaultOption;  // --vault FILE
  std::ostream& out;
  std::ostream& err;
  StderrMessageBox messages;

  Context(std::filesystem::path folder, std::ostream& output, std::ostream& errors)
      : programFolder(std::move(folder)), out(output), err(errors), messages(errors) {}
};

class Command {
 public:
  // name: the words that name the command, such as "vault check"; arguments:
  // what follows the name, as the usage line shows it.
  Command(std::string_view name, std::string_view arguments, std::string_view summary)
      : name_(name), arguments_(arguments), summary_(summary) {}
  virtual ~Command() = default;

  std::string_view Name() const { return name_; }
  std::string_view Arguments() const { return arguments_; }
  std::string_view Summary() const { return summary_; }
  virtual int Execute(Context& context, const std::vector<std::string>& args) = 0;

  // Loads the master vault as the planner's start-up does; 0, or the exit code
  // (200, 201, 202) after its message.
  static int LoadVault(Context& context, MasterVault& vault);

 protected:
  // True when exactly `count` arguments were given; otherwise prints the usage.
  bool HasArguments(Context& context, const std::vector<std::string>& args, std::size_t count) const;
  // Prints this command's usage on standard error; returns the usage exit code.
  int UsageError(Context& context, std::string_view problem) const;
  // Prints the reason on standard error; returns the failure exit code.
  static int Failure(Context& context, std::string_view reason);
  // The master vault file the command works on: --vault, else master.kwv beside the program.
  static std::filesystem::path VaultPath(const Context& context);
  // Writes bytes to standard output exactly as they are.
  static void WriteBytes(Context& context, std::string_view bytes);

 private:
  std::string_view name_;
  std::string_view arguments_;
  std::string_view summary_;
};

// Takes "NAME VALUE" out of the arguments: the value, or nothing when the
// option is absent. An option without its value leaves an empty value.
std::optional<std::string> TakeOption(std::vector<std::string>& args, std::string_view name);
// Every value of an option that may be given more than once, in order.
std::vector<std::string> TakeRepeatedOption(std::vector<std::string>& args, std::string_view name);

// The whole argument as a number ("." as the decimal separator whatever the
// locale); nothing when any of it is not.
template <typename Number>
std::optional<Number> NumberArgument(std::string_view text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto parsed = std::from_chars(text.data(), end, value);
  if (text.empty() || parsed.ec != std::errc() || parsed.ptr != end) return std::nullopt;
  return value;
}

// "S,S,...": whole numbers from `lowest` to `highest` separated by commas, in
// the order given; nothing when any is not.
std::optional<std::vector<int>> NumberListArgument(std::string_view text, int lowest, int highest);

// A class entry text such as "(Alb) Armsman" (UTF-8), or a class index 0..46.
std::optional<int> ClassArgument(std::string_view text);

// A file path given on the command line, as text for a message.
std::string PathText(std::string_view path);

// A line of data on standard output: the Windows-1252 text in UTF-8, then "\n".
void WriteDataLine(std::ostream& out, std::string_view text);

}  // namespace davoruzivi::cli
