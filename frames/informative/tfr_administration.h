// Protections that the administrator installed, with a button that restarts the
// computer to complete them.
#pragma once

#include "frames/common/alert_frame.h"
#include "ui/pictures.h"

namespace kxua {

class TfrAdministration final : public AlertFrame {
 public:
  explicit TfrAdministration(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfrAdministration"; }

 protected:
  void Fill(IUINotification& notification) override;

 private:
  // Asks the product to restart the computer, then to close the alert.
  void kxzeButtonRebootClick();

  // Held for the frame's lifetime, by its bare name through the system's search.
  ui::PictureModule resourceLibrary_;
};

}  // namespace kxua
