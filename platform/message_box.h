#pragma once
// Modal notices with an OK button. The model reaches the user through this
// interface only; texts are Windows-1252, as the model holds them.

#include <string_view>

namespace davoruzivi::platform {

// The caption of a notice that names none: the program's title.
inline constexpr std::string_view kApplicationTitle = "DavoruzivI";

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void Show(std::string_view text, std::string_view caption) = 0;

  void Notify(std::string_view text) { Show(text, kApplicationTitle); }
};

}  // namespace davoruzivi::platform
