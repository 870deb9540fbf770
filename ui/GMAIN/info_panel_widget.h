#pragma once
// The information panel: a one-line title (Information) above the read-only
// lines of an item description or a contributor report (InfoLabel).

#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>
#include <string>
#include <vector>

namespace davoruzivi::ui {

class InfoPanelWidget final : public QWidget {
  Q_OBJECT

 public:
  explicit InfoPanelWidget(QWidget* parent = nullptr);

  // Texts are the model's (Windows-1252). The caret goes to the start, so the
  // panel always shows the first lines.
  void Show(const std::string& title, const std::vector<std::string>& lines);
  void ShowLines(const std::vector<std::string>& lines);

  QLabel* Title() const { return title_; }
  QPlainTextEdit* Text() const { return text_; }

 private:
  QLabel* title_;          // Information
  QPlainTextEdit* text_;   // InfoLabel
};

}  // namespace davoruzivi::ui
