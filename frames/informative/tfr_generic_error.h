// An error the product reports: a title and a message in label markup.
#pragma once

#include "frames/common/alert_frame.h"

namespace kxua {

class TfrGenericError final : public AlertFrame {
 public:
  explicit TfrGenericError(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfrGenericError"; }

 protected:
  void Fill(IUINotification& notification) override;
};

}  // namespace kxua
