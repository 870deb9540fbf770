#pragma once
// The system clipboard, plain text (Windows-1252, as the model holds it).

#include <string_view>

namespace davoruzivi::platform {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void SetText(std::string_view text) = 0;
};

}  // namespace davoruzivi::platform
