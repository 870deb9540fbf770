#pragma once
// Filling the planner's drop-down lists and short lists from the model's
// lists, whose texts are Windows-1252, and showing a chosen entry.

#include <QComboBox>
#include <QListWidget>
#include <QStringList>
#include <span>
#include <string_view>

#include "itemdb/vocabulary.h"
#include "platform/qt/qt_text.h"

namespace davoruzivi::ui {

// The characters a drop-down list shows at least while its window is narrow.
inline constexpr int kNarrowComboCharacters = 10;

// A drop-down list that may be narrower than its longest entry, so that it
// fits a narrow window; its popup shows every entry whole.
inline QComboBox* NewNarrowCombo(const QString& objectName, QWidget* parent = nullptr,
                                 int characters = kNarrowComboCharacters) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(objectName);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(characters);
  combo->setMaxVisibleItems(20);
  return combo;
}

inline QStringList TextsOf(std::span<const std::string_view> entries) {
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(entries.size()));
  for (std::string_view entry : entries) texts << platform::ToQString(entry);
  return texts;
}

inline QStringList TextsOf(std::span<const std::string> entries) {
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(entries.size()));
  for (const std::string& entry : entries) texts << platform::ToQString(entry);
  return texts;
}

// The first `count` entries of the vocabulary (all of them by default).
inline QStringList TextsOf(const Vocabulary& vocabulary, int count = -1) {
  const int shown = count < 0 ? vocabulary.Size() : std::min(count, vocabulary.Size());
  QStringList texts;
  texts.reserve(shown);
  for (int i = 0; i < shown; ++i) texts << platform::ToQString(vocabulary.TextOf(i));
  return texts;
}

inline QStringList EntriesOf(const QComboBox& combo) {
  QStringList texts;
  for (int i = 0; i < combo.count(); ++i) texts << combo.itemText(i);
  return texts;
}

// Refills a list only when its entries changed (the vocabularies grow while
// the program runs), so an unchanged list keeps its popup and scroll place.
inline void ShowEntries(QComboBox& combo, const QStringList& entries) {
  if (EntriesOf(combo) == entries) return;
  combo.clear();
  combo.addItems(entries);
}

// An index the list lacks (one an item brought along) shows as no selection.
// An entry already shown stays as it is, so an editable box keeps the text typed into it.
inline void ShowIndex(QComboBox& combo, int index) {
  const int shown = index < combo.count() ? index : -1;
  if (combo.currentIndex() != shown) combo.setCurrentIndex(shown);
}

// Shows the entries with the row `current` (-1 none) selected. A list of the
// same length only changes the texts that differ, so a renamed entry leaves
// the list where it was scrolled to.
inline void ShowRows(QListWidget& list, const QStringList& entries, int current) {
  if (list.count() == entries.size()) {
    for (int row = 0; row < list.count(); ++row)
      if (list.item(row)->text() != entries[row]) list.item(row)->setText(entries[row]);
  } else {
    list.clear();
    list.addItems(entries);
  }
  list.setCurrentRow(current < list.count() ? current : -1);
  if (list.currentRow() < 0) list.clearSelection();
}

}  // namespace davoruzivi::ui
