#pragma once
// Opens a web address in the user's browser. Nothing is reported back: a page
// that does not open is not the planner's concern.

#include <string_view>

namespace davoruzivi::platform {

class WebOpener {
 public:
  virtual ~WebOpener() = default;
  virtual void Open(std::string_view address) = 0;
};

}  // namespace davoruzivi::platform
