#pragma once

#include "platform/clock.h"

namespace davoruzivi::platform {

// The date and time in the user's locale: its short date and long time forms.
class QtClock final : public Clock {
 public:
  std::string NowText() override;
};

}  // namespace davoruzivi::platform
