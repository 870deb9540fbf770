// davoruzivi-cli: the planner's model without a window.

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "commands.h"
#include "core/program_identity.h"

namespace davoruzivi::cli {
namespace {

std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path();
}

void PrintUsage(std::ostream& out, const std::vector<std::unique_ptr<Command>>& commands) {
  out << "usage: davoruzivi-cli [--vault FILE] COMMAND [ARGS...]\n\ncommands:\n";
  for (const auto& command : commands) {
    std::string line = "  " + std::string(command->Name());
    if (!command->Arguments().empty()) line += " " + std::string(command->Arguments());
    line.resize(std::max<std::size_t>(line.size() + 2, 36), ' ');
    out << line << command->Summary() << '\n';
  }
  out << "\n--vault FILE names the master vault (default: master.kwv beside the program).\n";
}

// The command whose name the arguments start with; the longest name wins.
Command* FindCommand(const std::vector<std::unique_ptr<Command>>& commands, const std::vector<std::string>& words,
                     std::size_t& nameLength) {
  Command* best = nullptr;
  nameLength = 0;
  for (const auto& command : commands) {
    std::vector<std::string> nameWords;
    std::string name(command->Name());
    for (std::size_t start = 0; start < name.size();) {
      const std::size_t end = std::min(name.find(' ', start), name.size());
      nameWords.push_back(name.substr(start, end - start));
      start = end + 1;
    }
    if (nameWords.size() <= words.size() && std::equal(nameWords.begin(), nameWords.end(), words.begin()) &&
        nameWords.size() > nameLength) {
      best = command.get();
      nameLength = nameWords.size();
    }
  }
  return best;
}

int Run(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const auto commands = AllCommands();
  Context context(ProgramFolder(argv[0]), std::cout, std::cerr);
  std::vector<std::string> words(argv + 1, argv + argc);
  std::size_t first = 0;
  while (first < words.size() && words[first].starts_with("-")) {
    const std::string& option = words[first];
    if (option == "--help" || option == "-h") {
      PrintUsage(std::cout, commands);
      return kExitSuccess;
    }
    if (option == "--version") {
      std::cout << "davoruzivi-cli " << kProgramVersion << '\n';
      return kExitSuccess;
    }
    if (option != "--vault" || first + 1 >= words.size()) {
      std::cerr << "davoruzivi-cli: unknown or incomplete option " << option << '\n';
      PrintUsage(std::cerr, commands);
      return kExitUsage;
    }
    context.vaultOption = words[first + 1];
    first += 2;
  }
  words.erase(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(first));
  std::size_t nameLength = 0;
  Command* command = FindCommand(commands, words, nameLength);
  if (!command) {
    if (!words.empty()) std::cerr << "davoruzivi-cli: unknown command " << words.front() << '\n';
    PrintUsage(std::cerr, commands);
    return kExitUsage;
  }
  words.erase(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(nameLength));
  const int code = command->Execute(context, words);
  std::cout.flush();
  return code;
}

}  // namespace
}  // namespace davoruzivi::cli

int main(int argc, char** argv) { return davoruzivi::cli::Run(argc, argv); }
