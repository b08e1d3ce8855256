// A program tries to reach a protected folder: the user allows (4) or blocks (5)
// it.
#pragma once

#include "frames/common/ask_alert_frame.h"

namespace kxua {

class TfrmAskFolderAccess final : public AskAlertFrame {
 public:
  explicit TfrmAskFolderAccess(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfrmAskFolderAccess"; }

 protected:
  void Fill(IUINotification& notification) override;

 private:
  // The folder's link opens the folder shown.
  void LabelTargetPathAnchorClick();

  std::wstring targetFolder_;  // converted for display, as shown
};

}  // namespace kxua
