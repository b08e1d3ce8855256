#include "frames/informative/tfr_synchronization.h"

#include "frames/common/frame_layouts.h"
#include "kxua/values.h"
#include "model/alert_colors.h"
#include "model/notification.h"

namespace kxua {

namespace {
// The detail lines' own texts, shown until the notification's translate them.
constexpr wchar_t kSignaturesLine[] = L"Archivo de identificadores de virus y otras amenazas";
constexpr wchar_t kProtectionLine[] = L"Configuración de la protección";
}  // namespace

TfrSynchronization::TfrSynchronization(const FrameInput& input) : AlertFrame(input, Reads::List) {
  LoadFrame(FrameLayouts(), {},
            {{kAlertBodyTextColor, ColorPart::Font, L"lbDetailText"},
             {kAlertBodyTextColor, ColorPart::Font, L"lbDetailText2"},
             {kAlertBodyTextColor, ColorPart::Font, L"labelDetails"}});
}

void TfrSynchronization::Fill(IUINotification& notification) {
  ShowText(notification, key::TitleText, L"lbTopText");
  ShowText(notification, key::MainText, L"labelMainText");
  auto* details = Find<ui::Control>(L"pBottomText");
  auto* signatures = Find<ui::Control>(L"lbDetailText");
  auto* protection = Find<ui::Control>(L"lbDetailText2");
  const std::int32_t result = ReadFlag(&notification, key::DetailsEnabled, false)
                                  ? ReadNumber(&notification, key::ProductUpdateResult, 0)
                                  : 0;
  if ((result & kSignaturesUpdated) != 0) {
    signatures->SetCaption(kSignaturesLine);
    signatures->SetVisible(true);
  }
  if ((result & kProtectionUpdated) != 0) {
    protection->SetCaption(kProtectionLine);
    protection->SetVisible(true);
  }
  details->SetVisible(result != 0);
  ShowText(notification, key::DetailsText, L"lbDetailText");
  ShowText(notification, key::DetailsText2, L"lbDetailText2");
  SetUpDetails(Find<ui::Control>(L"pDetails"), Find<ui::Control>(L"pDetailLines"));
}

}  // namespace kxua
