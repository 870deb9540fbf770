#include "GMAIN/stat_panels_widget.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "GMAIN/info_panel_widget.h"
#include "GMAIN/planner.h"
#include "platform/qt/qt_text.h"

namespace davoruzivi::ui {

namespace {

// A stat list and its object name.
struct ListSpec {
  StatList list;
  const char* objectName;
};
// The lists in the order the box shows them.
constexpr ListSpec kLists[] = {{StatList::RegStats, "RegStats"},       {StatList::Resists, "Resists"},
                               {StatList::RegStatCaps, "RegStatCaps"}, {StatList::Skills, "Skills"},
                               {StatList::Others, "Others"},           {StatList::HoldAllStats, "HoldAllStats"}};

constexpr int kColumnCount = 5;                  // label, "Now", "Cap", "+/-", "Δ"
constexpr int kChangeColumn = 4;
const QColor kHelpingChange(0, 128, 0);          // towards or onto the cap
const QColor kHarmingChange(192, 0, 0);          // away from the cap or past it
constexpr int kLabelRole = Qt::UserRole;         // the model's label of a row
constexpr const char* kLongestLabel = "Mythical Crush Resist (Cap Only)";
// Narrower than this the label column is not made: the main stats' labels stay whole.
constexpr const char* kShortestWholeLabel = "Constitution";
constexpr const char* kWidestNumber = "-8888";
constexpr int kIconSide = 16;

std::size_t IndexOf(StatList list) { return static_cast<std::size_t>(list); }
std::size_t IndexOf(StatState state) { return static_cast<std::size_t>(state); }

// What the state icon and colour say, for tool tips and screen readers.
QString StateText(StatState state) {
  switch (state) {
    case StatState::OverCap: return "Over the cap";
    case StatState::UnderCap: return "Under the cap";
    case StatState::AtCap: return "At the cap";
    case StatState::NotCompared: break;
  }
  return "Not compared with a cap";
}

// The state icon: a shape of its own for each state (up: over the cap, down:
// under it, a dot: at it, a dash: no cap), drawn in the state's colour.
QIcon PaintStateIcon(StatState state) {
  QPixmap pixmap(kIconSide, kIconSide);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const StateStyle style = StyleOf(state);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(style.red, style.green, style.blue));
  switch (state) {
    case StatState::OverCap: painter.drawPolygon(QPolygonF{{8, 2}, {14, 13}, {2, 13}}); break;
    case StatState::UnderCap: painter.drawPolygon(QPolygonF{{2, 3}, {14, 3}, {8, 14}}); break;
    case StatState::AtCap: painter.drawEllipse(QRectF(3, 3, 10, 10)); break;
    case StatState::NotCompared: painter.drawRect(QRectF(2, 7, 12, 3)); break;
  }
  return QIcon(pixmap);
}

// What a previewed item changes in the row's total: "+12", "−3", or nothing.
QString ChangeText(std::int32_t change) {
  if (change == 0) return {};
  return change > 0 ? "+" + QString::number(change) : "\u2212" + QString::number(-static_cast<std::int64_t>(change));
}

QTreeWidgetItem* MakeRow(const PanelRow& row, const QIcon& icon) {
  auto* item = new QTreeWidgetItem(QStringList{platform::ToQString(row.label), platform::ToQString(row.now),
                                               QString::number(row.cap), QString::number(row.difference),
                                               ChangeText(row.change)});
  const StateStyle style = StyleOf(row.state);
  const QBrush colour(QColor(style.red, style.green, style.blue));
  QFont font;
  font.setBold(style.bold || row.change != 0);
  for (int column = 0; column < kColumnCount; ++column) {
    item->setForeground(column, colour);
    item->setFont(column, font);
    if (column > 0) item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
  }
  item->setForeground(kChangeColumn, row.changeHelps ? kHelpingChange : kHarmingChange);
  item->setIcon(0, icon);
  // The label may be cut short in a narrow column: the tool tip says it whole.
  item->setToolTip(0, platform::ToQString(row.label) + " \u2014 " + StateText(row.state));
  item->setData(0, Qt::AccessibleDescriptionRole, StateText(row.state));
  item->setData(0, kLabelRole, QByteArray::fromStdString(row.label));
  return item;
}

// The room a cell needs beside its text: the item's and the header's margins.
int CellMargin(const QWidget& widget) {
  const QStyle& style = *widget.style();
  return 2 * (style.pixelMetric(QStyle::PM_HeaderMargin) + style.pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
}

int LabelColumnWidth(const QTreeWidget& tree, const char* label) {
  return tree.fontMetrics().horizontalAdvance(label) + kIconSide + 2 * CellMargin(tree);
}

// The numbers keep their width; the label column takes what is left and
// elides what does not fit.
int SizeNumberColumns(QTreeWidget& tree) {
  const QFontMetrics metrics = tree.fontMetrics();
  int width = 0;
  for (int column = 1; column < kColumnCount; ++column) {
    const int text = std::max(metrics.horizontalAdvance(kWidestNumber),
                              metrics.horizontalAdvance(tree.headerItem()->text(column)));
    tree.header()->setSectionResizeMode(column, QHeaderView::Fixed);
    tree.setColumnWidth(column, text + CellMargin(tree));
    width += tree.columnWidth(column);
  }
  tree.header()->setSectionResizeMode(0, QHeaderView::Stretch);
  return width;
}

// A list as tall as its header and rows: the lists never scroll on their own.
void FitHeightToRows(QTreeWidget& tree) {
  const int rows = tree.topLevelItemCount();
  const int rowHeight = rows > 0 ? tree.sizeHintForRow(0) : 0;
  tree.setFixedHeight(tree.header()->sizeHint().height() + rows * rowHeight + 2 * tree.frameWidth());
}

}  // namespace

StatPanelsWidget::StatPanelsWidget(Planner& planner, InfoPanelWidget& info, QWidget* parent)
    : QGroupBox("Stats", parent), planner_(planner), info_(info) {
  setObjectName("StatBox");
  for (StatState state : {StatState::OverCap, StatState::UnderCap, StatState::AtCap, StatState::NotCompared})
    stateIcons_[IndexOf(state)] = PaintStateIcon(state);
  auto* layout = new QVBoxLayout(this);
  for (const ListSpec& spec : kLists) {
    QTreeWidget* tree = BuildList(spec.list, spec.objectName);
    lists_[IndexOf(spec.list)] = tree;
    layout->addWidget(tree);
    tree->setHidden(spec.list == StatList::HoldAllStats);
  }
  effected_ = new QCheckBox("Show All ToA/PvE/Other Stats", this);
  effected_->setObjectName("Effected");
  connect(effected_, &QCheckBox::clicked, this, &StatPanelsWidget::ShowAllOthers);  // the user's clicks only
  layout->addWidget(effected_);
  layout->addStretch(1);
  Refresh();
}

int StatPanelsWidget::WholeLabelsWidth() const {
  const QTreeWidget& tree = List(StatList::Others);
  const int lists = LabelColumnWidth(tree, kLongestLabel) + numbersWidth_ + 2 * tree.frameWidth();
  const QMargins margins = contentsMargins() + layout()->contentsMargins();
  return std::max(lists + margins.left() + margins.right(), minimumSizeHint().width());
}



QTreeWidget* StatPanelsWidget::BuildList(StatList list, const char* objectName) {
  auto* tree = new QTreeWidget(this);
  tree->setObjectName(objectName);
  tree->setColumnCount(kColumnCount);
  tree->setHeaderLabels({platform::ToQString(StatListTitle(list)), "Now", "Cap", "+/-", "\u0394"});
  tree->headerItem()->setToolTip(kChangeColumn, "What the item the vault loader previews changes");
  for (int column = 1; column < kColumnCount; ++column)
    tree->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
  tree->setRootIsDecorated(false);
  tree->setUniformRowHeights(true);
  tree->setAllColumnsShowFocus(true);
  tree->setSelectionMode(QAbstractItemView::SingleSelection);
  tree->setIconSize(QSize(kIconSide, kIconSide));
  tree->setMouseTracking(true);  // for the report on hover
  tree->header()->setStretchLastSection(false);
  tree->header()->setSectionsMovable(false);
  tree->setTextElideMode(Qt::ElideRight);
  tree->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  numbersWidth_ = SizeNumberColumns(*tree);
  tree->setMinimumWidth(LabelColumnWidth(*tree, kShortestWholeLabel) + numbersWidth_ + 2 * tree->frameWidth());
  FitHeightToRows(*tree);
  connect(tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* row) { ShowContributors(row); });
  connect(tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* row) { ShowContributors(row); });
  connect(tree, &QTreeWidget::itemEntered, this, [this](QTreeWidgetItem* row) {
    if (planner_.settings.Hover) ShowContributors(row);
  });
  return tree;
}

QTreeWidget& StatPanelsWidget::List(StatList list) const { return *lists_[IndexOf(list)]; }

void StatPanelsWidget::Refresh() {
  // Without a configuration the last template's totals are not shown.
  const bool shown = planner_.model.Current() != nullptr;
  effected_->setChecked(planner_.recalculation.ShowsAllOthers());
  for (int list = 0; list < kStatListCount; ++list) Fill(static_cast<StatList>(list), shown);
  RefreshContributors();
  // A previewed item's description is followed by what it changes.
  if (!ShowsContributors()) info_.SetComparison(shown ? planner_.recalculation.Comparison() : std::vector<std::string>{});
}

void StatPanelsWidget::Fill(StatList list, bool shown) {
  QTreeWidget& tree = List(list);
  const QSignalBlocker quiet(&tree);  // emptying the list selects nothing the user chose
  tree.clear();
  QList<QTreeWidgetItem*> rows;
  if (shown) {
    for (const PanelRow& row : planner_.recalculation.Panels()[IndexOf(list)])
      rows << MakeRow(row, stateIcons_[IndexOf(row.state)]);
  }
  tree.addTopLevelItems(rows);
  FitHeightToRows(tree);
}

// A contributor report still shown follows the template: another
// configuration, level or item gives other lines.
bool StatPanelsWidget::ShowsContributors() const {
  return !contributorsLabel_.empty() && info_.ShownCount() == contributorsShownAt_;
}

void StatPanelsWidget::RefreshContributors() {
  if (!ShowsContributors()) return;
  if (!planner_.model.Current()) {
    info_.Forget();
    return;
  }
  ShowContributorsOf(contributorsLabel_);
}

void StatPanelsWidget::ShowAllOthers(bool shown) {
  planner_.recalculation.ShowAllOthers(shown);
  Refresh();
  emit modelChanged();
}

void StatPanelsWidget::ShowContributors(const QTreeWidgetItem* row) {
  if (!row || planner_.workflow.Status() <= davoruzivi::TemplateStatus::New) return;
  ShowContributorsOf(row->data(0, kLabelRole).toByteArray().toStdString());
}

void StatPanelsWidget::ShowContributorsOf(const std::string& label) {
  const Configuration* configuration = planner_.model.Current();
  if (!configuration) return;
  const std::vector<std::string> captions = SlotCaptions(*configuration);
  const auto report = BuildContributorReport(label, planner_.model, planner_.vault, planner_.workflow.Class(),
                                             *configuration, planner_.recalculation.Result(), captions);
  if (!report) return;
  info_.Show(report->title, report->lines);
  contributorsLabel_ = label;
  contributorsShownAt_ = info_.ShownCount();
}

std::vector<std::string> StatPanelsWidget::SlotCaptions(const Configuration& configuration) const {
  if (subWindowOpen_) {
    const auto names = LoaderSlotNames();
    return {names.begin(), names.end()};
  }
  const auto captions = SlotButtonCaptions(planner_.model, planner_.vault, configuration);
  return {captions.begin(), captions.end()};
}

}  // namespace davoruzivi::ui
