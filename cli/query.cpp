// query: the shared vault query run with the settings given and every other
// setting cleared, its result optionally sorted as the vault loader sorts.

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

#include "commands.h"
#include "core/cp1252.h"
#include "itemdb/itemdb.h"
#include "itemdb/vault_query.h"
#include "itemdb/vault_sort.h"
#include "template/classes.h"

namespace davoruzivi::cli {
namespace {

struct IntegerSetting {
  std::string_view option;
  int VaultQuerySettings::*setting;
};
constexpr IntegerSetting kIntegerSettings[] = {
    {"--source", &VaultQuerySettings::source},        {"--quality", &VaultQuerySettings::quality},
    {"--type", &VaultQuerySettings::itemType},        {"--class-filter", &VaultQuerySettings::classFilter},
    {"--min-level", &VaultQuerySettings::minimumLevel}, {"--max-level", &VaultQuerySettings::maximumLevel},
    {"--server", &VaultQuerySettings::server},        {"--absorb", &VaultQuerySettings::absorb},
    {"--weapon", &VaultQuerySettings::weaponType},    {"--expansion", &VaultQuerySettings::expansion},
    {"--proc", &VaultQuerySettings::effect},          {"--realm", &VaultQuerySettings::realm},
    {"--slot", &VaultQuerySettings::slot},
};

struct FlagSetting {
  std::string_view option;
  bool VaultQuerySettings::*setting;
};
constexpr FlagSetting kFlagSettings[] = {
    {"--verified", &VaultQuerySettings::verifiedOnly},
    {"--unverified", &VaultQuerySettings::unverifiedOnly},
    {"--hide-q", &VaultQuerySettings::hideQuestionMarks},
};

// By sort order, the words --sort takes.
constexpr std::string_view kSortWords[kVaultSortOrderCount] = {"name", "utility", "toa", "bonus",
                                                               "count", "level", "type"};



std::optional<VaultSortOrder> SortOrderOf(std::string_view word) {
  for (int order = 0; order < kVaultSortOrderCount; ++order)
    if (kSortWords[order] == word) return VaultSortOrderOf(order);
  return std::nullopt;
}

// "ID" or "ID:MIN".
std::optional<StatFilter> StatFilterOf(std::string_view text) {
  const std::size_t colon = text.find(':');
  const auto stat = NumberArgument<int>(text.substr(0, colon));
  if (!stat) return std::nullopt;
  if (colon == std::string_view::npos) return StatFilter{*stat, "0"};
  const auto minimum = NumberArgument<int>(text.substr(colon + 1));
  if (!minimum) return std::nullopt;
  return StatFilter{*stat, std::to_string(*minimum)};
}

struct QueryRequest {
  VaultQuerySettings settings;
  VaultQueryContext context;
  std::optional<VaultSortOrder> sort;
};

// Reads the arguments into a request; on a bad option or value, tells what is wrong.
class RequestReader {
 public:
  // Without --class the hand rules are class 0's.
  explicit RequestReader(const std::vector<std::string>& args) : args_(args) { TakeHandRulesOf(0); }

  std::optional<QueryRequest> Read() {
    while (next_ < args_.size() && problem_.empty()) ReadOption(args_[next_++]);
    if (!problem_.empty()) return std::nullopt;
    return request_;
  }
  const std::string& Problem() const { return problem_; }

 private:
  void ReadOption(const std::string& option) {
    for (const IntegerSetting& integer : kIntegerSettings)
      if (option == integer.option) return ReadInteger(option, request_.settings.*integer.setting);
    for (const FlagSetting& flag : kFlagSettings)
      if (option == flag.option) {
        request_.settings.*flag.setting = true;
        return;
      }
    if (option == "--name") return ReadName();
    if (option == "--stat") return ReadStatFilter();
    if (option == "--dazizuvoror") {
      request_.context.dazizuvororShown = true;
      return;
    }
    if (option == "--loader-level") return ReadLoaderLevel();
    if (option == "--class") return ReadClass();
    if (option == "--sort") return ReadSort();
    problem_ = "unknown option " + option;
  }

  std::optional<std::string> Value(const std::string& option) {
    if (next_ < args_.size()) return args_[next_++];
    problem_ = option + " needs a value";
    return std::nullopt;
  }

  void Refuse(const std::string& option, const std::string& value) {
    problem_ = "bad value for " + option + ": " + value;
  }

  void ReadInteger(const std::string& option, int& setting) {
    const auto value = Value(option);
    if (!value) return;
    if (const auto number = NumberArgument<int>(*value)) setting = *number;
    else Refuse(option, *value);
  }

  void ReadName() {
    if (const auto value = Value("--name")) request_.settings.name = Utf8ToCp1252(*value);
  }

  void ReadStatFilter() {
    const auto value = Value("--stat");
    if (!value) return;
    const auto filter = StatFilterOf(*value);
    if (!filter) return Refuse("--stat", *value);
    if (statFilters_ == kStatFilterCount) {
      problem_ = "at most " + std::to_string(kStatFilterCount) + " --stat options";
      return;
    }
    request_.settings.stats[statFilters_++] = *filter;
  }

  void ReadLoaderLevel() {
    const auto value = Value("--loader-level");
    if (!value) return;
    if (const auto level = NumberArgument<int>(*value)) request_.context.loaderLevel = *level;
    else Refuse("--loader-level", *value);
  }

  void ReadClass() {
    const auto value = Value("--class");
    if (!value) return;
    if (const auto classIndex = ClassArgument(*value)) TakeHandRulesOf(*classIndex);
    else Refuse("--class", *value);
  }

  void TakeHandRulesOf(int classIndex) {
    request_.context.dualWields = ClassInfoOf(classIndex).DualWields;
    request_.context.shieldSize = ClassInfoOf(classIndex).ShieldSize;
  }

  void ReadSort() {
    const auto value = Value("--sort");
    if (!value) return;
    if (const auto order = SortOrderOf(*value)) request_.sort = order;
    else Refuse("--sort", *value);
  }

  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
  std::size_t statFilters_ = 0;
  QueryRequest request_;
  std::string problem_;
};

class Query final : public Command {
 public:
  Query()
      : Command("query", "[SETTINGS] [--sort ORDER]",
                "run the vault query with the settings given and print each result entry") {}

  int Execute(Context& context, const std::vector<std::string>& args) override {
    RequestReader reader(args);
    const auto request = reader.Read();
    if (!request) return UsageError(context, reader.Problem());
    MasterVault vault;
    if (const int code = LoadVault(context, vault)) return code;
    VaultQuery query;
    query.Settings() = request->settings;
    query.Run(vault, request->context);
    if (request->sort) SortVaultResult(query.MutableResult(), vault, *request->sort);
    const VaultQueryResult& result = query.Result();
    for (std::size_t entry = 0; entry < result.Size(); ++entry)
      WriteDataLine(context.out, std::to_string(result.positions[entry]) + '\t' + std::string(result.names[entry]));
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeQuery() { return std::make_unique<Query>(); }

}  // namespace davoruzivi::cli
