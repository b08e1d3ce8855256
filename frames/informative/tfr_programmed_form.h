// A finished scheduled task: what it was and how much it freed, with a button that
// runs the action the notification names. It stays until the user closes it.
#pragma once

#include "frames/common/alert_frame.h"

namespace kxua {

class TfrProgrammedForm final : public AlertFrame {
 public:
  explicit TfrProgrammedForm(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfrProgrammedForm"; }

 protected:
  void Fill(IUINotification& notification) override;

 private:
  // Runs the notification's ButtonAction object, then asks to close.
  void ButtonActionClick();
};

}  // namespace kxua
