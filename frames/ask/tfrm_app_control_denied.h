// Programs that application control blocked: a notice that pages through them
// with arrows and a counter, and closes by itself after the viewing time.
#pragma once

#include "frames/common/alert_frame.h"

namespace kxua {

class TfrmAppControlDenied final : public AlertFrame {
 public:
  explicit TfrmAppControlDenied(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfrmAppControlDenied"; }
  Kind FrameKind() const override { return Kind::Paging; }

 protected:
  void Fill(IUINotification& notification) override;
  // The host takes the header and the body's heights, and the frame the host's.
  void FitPosted() override;

 private:
  // The layout's texts, kept for the notifications that page in after the first.
  std::wstring designedTitle_, designedBody_, designedMore_;
};

}  // namespace kxua
