// Application control's question: an unknown program tries to run; the user
// allows (4) or denies (5) it.
#pragma once

#include "frames/common/ask_alert_frame.h"

namespace kxua {

class TTfAppControlAsk final : public AskAlertFrame {
 public:
  explicit TTfAppControlAsk(const FrameInput& input);

  std::wstring ClassName() const override { return L"TTfAppControlAsk"; }

 protected:
  void Fill(IUINotification& notification) override;
};

}  // namespace kxua
