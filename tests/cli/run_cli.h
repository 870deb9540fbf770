#pragma once
// Runs the command-line companion as a separate process for the CLI tests.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/zlib_stream.h"
#include "itemdb/itemdb.h"
#include "support/temporary_folder.h"

extern char** environ;

namespace davoruzivi::testing {

struct Outcome {
  int status = -1;  // the exit status, or -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs the program with the arguments, its standard output and error captured in files.
inline Outcome RunCli(const std::vector<std::string>& args) {
  TemporaryFolder capture;
  const std::string outPath = capture / "stdout";
  const std::string errPath = capture / "stderr";
  std::vector<std::string> words{DAVORUZIVI_CLI};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  Outcome outcome;
  if (spawned != 0) {
    ADD_FAILURE() << "cannot run " << argv[0];
    return outcome;
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
  }
  if (WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
  outcome.out = ReadBytes(outPath);
  outcome.err = ReadBytes(errPath);
  return outcome;
}

// Runs the program and expects it to succeed with exactly the output and no messages.
inline void ExpectOutput(const std::vector<std::string>& args, const std::string& out) {
  const Outcome run = RunCli(args);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, out);
  EXPECT_EQ(run.err, "");
}

// Runs the program and expects a usage error: status 2, no output, the usage on standard error.
inline void ExpectUsageError(const std::vector<std::string>& args) {
  const Outcome run = RunCli(args);
  std::string shown;
  for (const std::string& arg : args) shown += arg + " ";
  EXPECT_EQ(run.status, 2) << shown;
  EXPECT_EQ(run.out, "") << shown;
  EXPECT_NE(run.err.find("usage"), std::string::npos) << shown;
}

// Writes a master vault file holding the records in order.
inline void WriteVault(const std::filesystem::path& path, const std::vector<VaultItem>& items) {
  MasterVault vault;
  for (const VaultItem& item : items) vault.PutVaultItem(static_cast<long long>(vault.Size()), item);
  WriteBytes(path, Deflate(WriteVaultText(vault)));
}

}  // namespace davoruzivi::testing
