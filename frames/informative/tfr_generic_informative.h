// A general notice from the product: a title, a message and a button that runs the
// action the notification names. It stays five minutes after the last interaction.
#pragma once

#include "frames/common/alert_frame.h"

namespace kxua {

class TfrGenericInformative final : public AlertFrame {
 public:
  static constexpr std::uint32_t kViewingTimeMs = 300000;

  explicit TfrGenericInformative(const FrameInput& input);

  std::wstring ClassName() const override { return L"TfrGenericInformative"; }

 protected:
  void Fill(IUINotification& notification) override;

 private:
  // Runs the notification's FullURL action object; the toast stays.
  void kxzeButtonRebootClick();
  // The button as wide as its caption, centred in its parent.
  void FitButton();
};

}  // namespace kxua
