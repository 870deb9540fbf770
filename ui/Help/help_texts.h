#pragma once
// The help texts shown on the Welcome tab (HelpForm): four topics, plain text
// whose web addresses the help control turns into links.

#include <QString>
#include <QStringList>

namespace davoruzivi::ui {

// The topics in the order of the topic list (HelpBox1).
enum class HelpTopic { GettingStarted, UsingTheInterface, OmnicraftingTutorial, ReportFormatting };
inline constexpr int kHelpTopicCount = 4;

// "Getting Started", "Using the Interface", "Omnicrafting Tutorial", "Report Formatting".
QStringList HelpTopicNames();

// The text of a topic. "Getting Started" ends with the planner's web links.
QString HelpText(HelpTopic topic);

}  // namespace davoruzivi::ui
