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
  // `hoverFocus`: the main window's option that a control the mouse enters takes the keyboard focus.
  GemSuggestionDialog(const SuggestionReview& review, bool hoverFocus, QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool hoverFocus_;
};

}  // namespace davoruzivi::ui
