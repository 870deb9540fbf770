#pragma once
// The planner's question dialog: a message, a caption and up to four buttons;
// the answer is the number (1..4) of the button pressed.

#include <string>

namespace davoruzivi::platform {

struct Question {
  std::string message;
  std::string caption;
  std::string first = "OK";       // the default button
  std::string second = "Cancel";
  std::string third;               // hidden when empty
  std::string fourth;              // hidden when empty
  int cancelAnswer = 2;            // the answer that changes nothing, which Escape gives
};

class ConfirmationDialog {
 public:
  virtual ~ConfirmationDialog() = default;
  virtual int Ask(const Question& question) = 0;
};

}  // namespace davoruzivi::platform
