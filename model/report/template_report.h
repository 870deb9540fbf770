#pragma once
// The template report: a plain-text listing of one configuration (header,
// stat table, every equipment slot with its item, spellcraft materials),
// written for forums in either a framed or a plain layout.

#include <string>
#include <string_view>
#include <vector>

#include "report/report_options.h"

namespace davoruzivi {

class MasterVault;
struct AppliedClass;
struct Configuration;
struct Template;

// Everything a report reads besides its options.
struct ReportSubject {
  const Template& model;
  const MasterVault& vault;
  const AppliedClass& applied;
  const Configuration& configuration;
};

// The report's lines, the empty text standing for an empty line.
std::vector<std::string> ComposeReport(const ReportSubject& subject, const ReportOptions& options);

// The text padded with blanks on both sides to `width` characters, the odd
// blank on the left; a longer text is cut to its first `width` characters.
std::string CenterText(std::string_view text, std::size_t width);

// The report as a text file holds it: every line ended by CR LF.
std::string ReportFileText(const std::vector<std::string>& lines);

// The report as a minimal HTML page, the report's own text escaped so that a
// name or note cannot add markup to the page.
std::vector<std::string> ReportHtmlLines(const std::vector<std::string>& report, std::string_view configurationName);

inline constexpr std::string_view kReportCopiedMessage = "Report copied to clipboard.";

}  // namespace davoruzivi
