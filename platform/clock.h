#pragma once
// The current date and time, as the user's system writes them.

#include <string>

namespace davoruzivi::platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // The date in the system's short form, a blank, the time in its long form.
  virtual std::string NowText() = 0;
};

}  // namespace davoruzivi::platform
