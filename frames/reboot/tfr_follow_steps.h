// An item that needs manual steps to be neutralized; its button opens the page
// with the steps and leaves the alert open.
#pragma once

#include "frames/reboot/unfinished_item_frame.h"

namespace kxua {

class TfrFollowSteps final : public UnfinishedItemFrame {
 public:
  explicit TfrFollowSteps(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfrFollowSteps"; }
};

}  // namespace kxua
