// An item that needs a restart of the computer to be neutralized; its button
// restarts the system.
#pragma once

#include "frames/reboot/unfinished_item_frame.h"

namespace kxua {

class TfrNeedReboot final : public UnfinishedItemFrame {
 public:
  explicit TfrNeedReboot(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfrNeedReboot"; }

 private:
  void kxzeButtonRebootClick();

  bool restartAsked_ = false;
};

}  // namespace kxua
