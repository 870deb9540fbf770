#pragma once
// The desktop's browser and clipboard.

#include "platform/clipboard.h"
#include "platform/web_opener.h"

namespace davoruzivi::platform {

class QtWebOpener final : public WebOpener {
 public:
  void Open(std::string_view address) override;
};

class QtClipboard final : public Clipboard {
 public:
  void SetText(std::string_view text) override;
};

}  // namespace davoruzivi::platform
