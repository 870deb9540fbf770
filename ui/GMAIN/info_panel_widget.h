#pragma once
// The information panel: a one-line title (Information) above the read-only
// lines of an item description or a contributor report (InfoLabel).

#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

namespace davoruzivi::ui {

// The panel's title while it shows no item report of its own.
inline constexpr std::string_view kInformationTitle = "Information";

class InfoPanelWidget final : public QWidget {
  Q_OBJECT

 public:
  explicit InfoPanelWidget(QWidget* parent = nullptr);

  // Texts are the model's (Windows-1252). The caret goes to the start, so the
  // panel always shows the first lines.
  void Show(const std::string& title, const std::vector<std::string>& lines);
  void ShowLines(const std::vector<std::string>& lines);
  // Lines that follow what is shown until it is replaced: what a previewed
  // item changes, below its description. Empty lines remove the block.
  void SetComparison(const std::vector<std::string>& lines);
  const QStringList& Comparison() const { return comparison_; }
  // Back to the title "Information" and no lines: what was shown belongs to
  // a template or configuration that is no longer shown.
  void Forget();
  // Counts every change of what the panel shows, so a writer can tell
  // whether its text is still the one shown.
  int ShownCount() const { return shownCount_; }

  QLabel* Title() const { return title_; }
  QPlainTextEdit* Text() const { return text_; }

 private:
  QLabel* title_;          // Information
  void Redraw();

  QPlainTextEdit* text_;   // InfoLabel
  QStringList lines_;
  QStringList comparison_;
  int shownCount_ = 0;
};

}  // namespace davoruzivi::ui
