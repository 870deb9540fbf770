// spec-points: the total spec points of a level at a number of points per level.

#include <charconv>
#include <cmath>
#include <optional>

#include "commands.h"
#include "stats/spec_points.h"

namespace davoruzivi::cli {
namespace {

// A level in its stored width, 0..255.
std::optional<std::uint8_t> LevelArgument(std::string_view text) {
  const auto level = NumberArgument<int>(text);
  if (!level || *level < 0 || *level > 255) return std::nullopt;
  return static_cast<std::uint8_t>(*level);
}

// A finite decimal number with "." as the separator, whatever the locale.
std::optional<double> PointsArgument(std::string_view text) {
  const auto points = NumberArgument<double>(text);
  if (!points || !std::isfinite(*points)) return std::nullopt;
  return points;
}

class SpecPoints final : public Command {
 public:
  SpecPoints() : Command("spec-points", "LEVEL POINTSPERLEVEL", "print the total spec points of a level") {}

  int Execute(Context& context, const std::vector<std::string>& args) override {
    if (!HasArguments(context, args, 2)) return kExitUsage;
    const std::optional<std::uint8_t> level = LevelArgument(args[0]);
    if (!level) return UsageError(context, "LEVEL must be a whole number from 0 to 255");
    const std::optional<double> points = PointsArgument(args[1]);
    if (!points) return UsageError(context, "POINTSPERLEVEL must be a number such as 1.5");
    context.out << TotalSpecPoints(*level, *points) << '\n';
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeSpecPoints() { return std::make_unique<SpecPoints>(); }

}  // namespace davoruzivi::cli
