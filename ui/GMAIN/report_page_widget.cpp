#include "GMAIN/report_page_widget.h"

#include <QAction>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "GMAIN/planner.h"
#include "core/file_io.h"
#include "platform/clipboard.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/qt/qt_text.h"
#include "report/template_report.h"

namespace davoruzivi::ui {
namespace {

// The menu items of the options, in option order.
constexpr std::array<const char*, kReportOptionsCount> kOptionItemNames = {
    "Stats1",        "Extra1", "DroppedItemStats1",  "InlineItemStats1", "SpellcraftedItemStats1",
    "ItemProcs1",    "Mats1",  "ItemUtilityValues1", "ItemNotes1",       "VNFormat",
    "AlternateItemOrder1"};

struct PresetItem {
  const char* name;
  const char* caption;
  ReportPreset preset;
};

constexpr std::array<PresetItem, 3> kPresetItems = {{
    {"VNStandardOptions1", "&Forum Standard", ReportPreset::ForumStandard},
    {"VNBriefFormat1", "Forum &Brief", ReportPreset::ForumBrief},
    {"Everythingenabled1", "&Everything enabled", ReportPreset::Everything},
}};

QFont ReportFont() {
  QFont font("Courier New");
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  if (!QFontInfo(font).fixedPitch()) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  return font;
}

QString ViewText(const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines) text << platform::ToQString(line);
  return text.join('\n');
}

// The report as the desktop's clipboard carries plain text: lines ended by "\n".
std::string ClipboardText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).push_back('\n');
  return text;
}

}  // namespace

ReportPageWidget::ReportPageWidget(Planner& planner, QWidget* parent)
    : QWidget(parent), planner_(planner), view_(new QPlainTextEdit(this)) {
  setObjectName("ReportManager");
  auto* title = new QLabel("Configuration Report", this);
  view_->setObjectName("Rpt");
  view_->setReadOnly(true);
  view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  view_->setFont(ReportFont());
  view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* copy = new QPushButton("Copy Report to Clipboard", this);
  copy->setObjectName("btnCopyReport");
  connect(copy, &QPushButton::clicked, this, &ReportPageWidget::CopyReport);
  auto* standard = new QPushButton("Forum Standard", this);
  standard->setObjectName("btnVNOptions");
  connect(standard, &QPushButton::clicked, this, [this] { ApplyPresetToSettings(ReportPreset::ForumStandard); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copy);
  buttons->addStretch(1);
  buttons->addWidget(standard);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(view_, 1);
  layout->addLayout(buttons);
}

void ReportPageWidget::Compose() {
  lines_.clear();
  if (const Configuration* configuration = planner_.model.Current()) {
    const ReportSubject subject{planner_.model, planner_.vault, planner_.workflow.Class(), *configuration};
    lines_ = ComposeReport(subject, ReportOptions(planner_.settings.ReportFlags));
  }
  // The view is left alone, scroll position included, when the report reads
  // the same; composing never takes the keyboard focus from where the user types.
  const QString text = ViewText(lines_);
  if (text == view_->toPlainText()) return;
  view_->setPlainText(text);
  view_->moveCursor(QTextCursor::Start);
}

void ReportPageWidget::PopulateMenu(QMenu* reportMenu) {
  for (std::size_t i = 0; i < kReportOptionsCount; ++i) {
    QAction* item = reportMenu->addAction(platform::ToQString(ReportOptionCaption(static_cast<ReportOption>(i))));
    item->setParent(this);
    item->setObjectName(kOptionItemNames[i]);
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, &ReportPageWidget::OptionClicked);
    options_[i] = item;
  }
  ShowOptionChecks();
  reportMenu->addSeparator();
  AddPresets(reportMenu);
  reportMenu->addSeparator();
  AddSaves(reportMenu);
}

void ReportPageWidget::AddPresets(QMenu* reportMenu) {
  QMenu* presets = reportMenu->addMenu("Default Options");
  presets->setObjectName("DefaultOptions1");
  for (const PresetItem& preset : kPresetItems) {
    QAction* item = presets->addAction(preset.caption);
    item->setParent(this);
    item->setObjectName(preset.name);
    connect(item, &QAction::triggered, this, [this, which = preset.preset] { ApplyPresetToSettings(which); });
  }
}

void ReportPageWidget::AddSaves(QMenu* reportMenu) {
  QAction* text = reportMenu->addAction("&Save as Text", this, &ReportPageWidget::SaveAsText);
  text->setParent(this);
  text->setObjectName("SaveasText1");
  QAction* html = reportMenu->addAction("Save as &HTML", this, &ReportPageWidget::SaveAsHtml);
  html->setParent(this);
  html->setObjectName("SaveasHTML1");
}

void ReportPageWidget::OptionClicked() {
  for (std::size_t i = 0; i < kReportOptionsCount; ++i) planner_.settings.ReportFlags[i] = options_[i]->isChecked();
  StoreAndCompose();
}

void ReportPageWidget::ApplyPresetToSettings(ReportPreset preset) {
  ReportOptions options(planner_.settings.ReportFlags);
  ApplyPreset(options, preset);
  planner_.settings.ReportFlags = options.Flags();
  ShowOptionChecks();
  StoreAndCompose();
}

void ReportPageWidget::ShowOptionChecks() {
  for (std::size_t i = 0; i < kReportOptionsCount; ++i) {
    if (options_[i]) options_[i]->setChecked(planner_.settings.ReportFlags[i]);
  }
}

void ReportPageWidget::StoreAndCompose() {
  planner_.SaveSettings();
  Compose();
}

void ReportPageWidget::CopyReport() {
  view_->setFocus();
  view_->selectAll();
  planner_.services.clipboard.SetText(ClipboardText(lines_));
  view_->moveCursor(QTextCursor::Start);
  planner_.services.messages.Notify(kReportCopiedMessage);
}

template <typename MakePage>
void ReportPageWidget::SaveReport(std::string_view filter, std::string_view extension, MakePage page) {
  if (!planner_.model.Current()) return;  // there is no report to save
  platform::FileDialogRequest request;
  request.filter = filter;
  request.defaultExtension = extension;
  request.confirmOverwrite = true;
  const std::optional<std::filesystem::path> path = planner_.services.files.Save(request);
  if (!path) return;
  Compose();
  if (const auto error = WriteFileAtomically(*path, ReportFileText(page(*planner_.model.Current())))) {
    planner_.services.messages.Notify(*error);
  }
}

void ReportPageWidget::SaveAsText() {
  SaveReport("Text File (*.txt)|*.txt", "txt", [this](const Configuration&) { return lines_; });
}

void ReportPageWidget::SaveAsHtml() {
  SaveReport("HTML File (*.html)|*.html", "html",
             [this](const Configuration& configuration) { return ReportHtmlLines(lines_, configuration.Name); });
}

}  // namespace davoruzivi::ui
