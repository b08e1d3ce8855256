// An item that needs a restart of the computer to be neutralized; its button
// restarts the system.
#pragma once

#include "frames/reboot/restart_button.h"
#include "frames/reboot/unfinished_item_frame.h"

namespace kxua {

class TfrNeedReboot final : public UnfinishedItemFrame {
 public:
  explicit TfrNeedReboot(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfrNeedReboot"; }

 private:
  void kxzeButtonRebootClick();

  RestartButton restart_;
};

}  // namespace kxua
