// The firewall's question: a program tries to open a connection that no rule
// covers; the user allows (4) or denies (5) it.
#pragma once

#include "frames/common/ask_alert_frame.h"

namespace kxua {

class TfrFirewallAsk final : public AskAlertFrame {
 public:
  explicit TfrFirewallAsk(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfrFirewallAsk"; }

 protected:
  void Fill(IUINotification& notification) override;
};

}  // namespace kxua
