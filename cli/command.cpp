#include "command.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "core/cp1252.h"
#include "itemdb/itemdb.h"
#include "template/classes.h"

namespace davoruzivi::cli {
namespace {

std::string EscapeControls(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '\n': escaped += "\\n"; break;
      case '\r': escaped += "\\r"; break;
      case '\t': escaped += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
          escaped += hex;
        } else {
          escaped += c;
        }
    }
  }
  return escaped;
}

}  // namespace

void StderrMessageBox::Show(std::string_view text, std::string_view /*caption*/) {
  err_ << "message: " << Cp1252ToUtf8(EscapeControls(text)) << '\n';
}

std::optional<std::string> TakeOption(std::vector<std::string>& args, std::string_view name) {
  const auto found = std::find(args.begin(), args.end(), name);
  if (found == args.end()) return std::nullopt;
  std::string value = found + 1 != args.end() ? *(found + 1) : std::string();
  args.erase(found, found + 1 != args.end() ? found + 2 : found + 1);
  return value;
}

std::optional<std::vector<int>> NumberListArgument(std::string_view text, int lowest, int highest) {
  std::vector<int> numbers;
  while (!text.empty()) {
    const auto comma = text.find(',');
    const auto number = NumberArgument<int>(text.substr(0, comma));
    if (!number || *number < lowest || *number > highest) return std::nullopt;
    numbers.push_back(*number);
    text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
  }
  return numbers;
}

std::vector<std::string> TakeRepeatedOption(std::vector<std::string>& args, std::string_view name) {
  std::vector<std::string> values;
  while (auto value = TakeOption(args, name)) values.push_back(std::move(*value));
  return values;
}

std::optional<int> ClassArgument(std::string_view text) {
  if (const int index = ClassIndexOf(Utf8ToCp1252(text)); index >= 0) return index;
  const auto index = NumberArgument<int>(text);
  if (index && *index >= 0 && *index < kClassCount) return index;
  return std::nullopt;
}

std::string PathText(std::string_view path) { return Utf8ToCp1252(path); }

void WriteDataLine(std::ostream& out, std::string_view text) { out << Cp1252ToUtf8(text) << '\n'; }

int Command::UsageError(Context& context, std::string_view problem) const {
  context.err << "davoruzivi-cli: " << problem << "\nusage: davoruzivi-cli [--vault FILE] " << Name();
  if (!Arguments().empty()) context.err << ' ' << Arguments();
  context.err << '\n';
  return kExitUsage;
}

bool Command::HasArguments(Context& context, const std::vector<std::string>& args, std::size_t count) const {
  if (args.size() == count) return true;
  UsageError(context, "wrong number of arguments");
  return false;
}

int Command::Failure(Context& context, std::string_view reason) {
  context.err << "davoruzivi-cli: " << Cp1252ToUtf8(reason) << '\n';
  return kExitFailure;
}

std::filesystem::path Command::VaultPath(const Context& context) {
  return context.vaultOption.value_or(MasterVaultPathIn(context.programFolder));
}

// The file named is loaded as it is: the planner's repair of a stored vault
// path does not apply to a name the user just gave.
int Command::LoadVault(Context& context, MasterVault& vault) {
  const VaultLoadResult result = LoadMasterVault(VaultPath(context), vault);
  if (result.Ok()) return kExitSuccess;
  context.messages.Notify(result.Message);
  return result.ExitCode;
}

void Command::WriteBytes(Context& context, std::string_view bytes) {
  context.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace davoruzivi::cli
