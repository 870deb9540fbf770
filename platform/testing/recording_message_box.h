#pragma once
// A message box for tests: records every notice instead of showing it.

#include <string>
#include <string_view>
#include <vector>

#include "platform/message_box.h"

namespace davoruzivi::platform::testing {

class RecordingMessageBox final : public MessageBox {
 public:
  struct Notice {
    std::string text;
    std::string caption;
  };

  void Show(std::string_view text, std::string_view caption) override {
    notices.push_back({std::string(text), std::string(caption)});
  }

  std::vector<Notice> notices;
};

}  // namespace davoruzivi::platform::testing
