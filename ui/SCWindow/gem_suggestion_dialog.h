#pragma once
// The review of a gem suggestion (object "GemSuggestion"): each crafted item
// with its gems and charge as they are and as suggested, each stat whose
// total moves, the largest gain up to its cap first, and the capped utility
// before and after. "Apply" accepts; "Cancel" changes nothing.

#include <QDialog>

#include "spellcraft/gem_suggestion.h"

namespace davoruzivi::ui {

class GemSuggestionDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit GemSuggestionDialog(const SuggestionReview& review, QWidget* parent = nullptr);
};

}  // namespace davoruzivi::ui
