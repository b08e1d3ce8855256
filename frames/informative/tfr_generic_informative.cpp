#include "frames/informative/tfr_generic_informative.h"

#include "frames/common/frame_layouts.h"
#include "kxua/values.h"

namespace kxua {

TfrGenericInformative::TfrGenericInformative(const FrameInput& input)
    : AlertFrame(input, Reads::List, kViewingTimeMs) {
  LoadFrame(FrameLayouts(),
            {{"kxzeButtonRebootClick", [this](const ui::Event&) { kxzeButtonRebootClick(); }}});
}

void TfrGenericInformative::Fill(IUINotification& notification) {
  ShowText(notification, key::TitleText, L"lbTopText");
  ShowText(notification, key::MainText, L"labelMainText");
  ShowText(notification, key::ButtonText, L"kxzeButtonReboot");
  FitButton();
}

void TfrGenericInformative::FitButton() {
  auto* button = Find<ui::Control>(L"kxzeButtonReboot");
  if (button == nullptr || button->Parent() == nullptr) return;
  const int width = platform::Get().MeasureText(button->Font(), button->Caption()).width;
  button->SetBounds(button->Parent()->Width() / 2 - width / 2, button->Top(), width, button->Height());
}

void TfrGenericInformative::kxzeButtonRebootClick() { RunNotificationAction(key::FullURL); }

}  // namespace kxua
