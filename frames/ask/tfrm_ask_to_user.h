// A detection that touches the user's data: the user neutralizes (1) or
// excludes (2) it.
#pragma once

#include "frames/common/ask_alert_frame.h"

namespace kxua {

class TfrmAskToUser final : public AskAlertFrame {
 public:
  explicit TfrmAskToUser(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfrmAskToUser"; }

 protected:
  void Fill(IUINotification& notification) override;
};

}  // namespace kxua
