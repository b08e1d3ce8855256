// The newer restart alert: the program's rows as the untrusted-file ask shows
// them, and one button that restarts the system. It stays until the user closes
// it or restarts, and writes no response.
#pragma once

#include "frames/reboot/restart_button.h"
#include "frames/common/alert_frame.h"
#include "frames/common/file_properties.h"
#include "ui/pictures.h"

namespace kxua {

class TfNeedReboot2 final : public AlertFrame, public PropertiesOwner {
 public:
  explicit TfNeedReboot2(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfNeedReboot2"; }
  void EnablePropertiesPicture(bool enabled) override;

 protected:
  void Fill(IUINotification& notification) override;

 private:
  void kxzeButtonRebootClick();

  RestartButton restart_;
  // Held for the frame's lifetime, by its bare name through the system's search.
  ui::PictureModule resourceLibrary_;
};

}  // namespace kxua
