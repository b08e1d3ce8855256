// An update that waits for a restart. It stays until the user answers: the button
// restarts (or answers "restart now" when the product asked for an answer), the
// close button answers "no answer".
#pragma once

#include "frames/common/alert_frame.h"
#include "ui/pictures.h"

namespace kxua {

class TfrSynchronizationRestart final : public AlertFrame {
 public:
  explicit TfrSynchronizationRestart(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfrSynchronizationRestart"; }

 protected:
  // Learns whether the product waits for an answer and shows the texts.
  void Fill(IUINotification& notification) override;
  void KXZEBtnCloseClick() override;

 private:
  void kxzeButtonRebootClick();

  bool responseNeeded_ = false;
  // Held for the frame's lifetime, by its bare name through the system's search.
  ui::PictureModule resourceLibrary_;
};

}  // namespace kxua
