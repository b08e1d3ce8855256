// A finished update: a title, a message and, when the product says so, the parts
// that were updated behind a details link.
#pragma once

#include "frames/common/alert_frame.h"

namespace kxua {

class TfrSynchronization final : public AlertFrame {
 public:
  // ProductUpdateResult bits, each naming a detail line.
  static constexpr std::int32_t kSignaturesUpdated = 2;
  static constexpr std::int32_t kProtectionUpdated = 1;

  explicit TfrSynchronization(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfrSynchronization"; }

 protected:
  void Fill(IUINotification& notification) override;
};

}  // namespace kxua
