#include "GMAIN/info_panel_widget.h"

#include <QFontDatabase>
#include <QVBoxLayout>

#include "hints.h"
#include "platform/qt/qt_text.h"

namespace davoruzivi::ui {

InfoPanelWidget::InfoPanelWidget(QWidget* parent)
    : QWidget(parent), title_(new QLabel(platform::ToQString(kInformationTitle), this)), text_(new QPlainTextEdit(this)) {
  title_->setObjectName("Information");
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  text_->setObjectName("InfoLabel");
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  SetHint(text_, "Copy/Paste the information report via right click.");
  // Room for the title and a few lines, however small the window.
  text_->setMinimumHeight(8 * text_->fontMetrics().lineSpacing());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(title_);
  layout->addWidget(text_, 1);
}

void InfoPanelWidget::Show(const std::string& title, const std::vector<std::string>& lines) {
  title_->setText(platform::ToQString(title));
  ShowLines(lines);
}

void InfoPanelWidget::Forget() { Show(std::string(kInformationTitle), {}); }

void InfoPanelWidget::ShowLines(const std::vector<std::string>& lines) {
  ++shownCount_;
  lines_.clear();
  for (const std::string& line : lines) lines_ << platform::ToQString(line);
  comparison_.clear();
  Redraw();
}

void InfoPanelWidget::SetComparison(const std::vector<std::string>& lines) {
  QStringList comparison;
  for (const std::string& line : lines) comparison << platform::ToQString(line);
  if (comparison == comparison_) return;
  comparison_ = comparison;
  Redraw();
}

void InfoPanelWidget::Redraw() {
  text_->setPlainText((lines_ + comparison_).join('\n'));
  text_->moveCursor(QTextCursor::Start);
}

}  // namespace davoruzivi::ui
