#include "frames/ask/tfr_firewall_ask.h"

#include "frames/common/connection_end.h"
#include "frames/common/risk_picture.h"
#include "kxua/values.h"
#include "model/alert_colors.h"
#include "model/notification.h"
#include "model/text_template.h"
#include "model/text_utils.h"
#include "ui/kxua_controls.h"

namespace kxua {

namespace {
// Used when the notification's title id has no translation.
constexpr wchar_t kTitleTemplate[] = L"<P align=\"center\"><b>%1%</b> is trying to access the Internet</P>";
// Design-time captions that are text ids too.
constexpr wchar_t kAllowId[] = L"Permitir";
constexpr wchar_t kDenyId[] = L"Denegar";
constexpr wchar_t kLocationId[] = L"Ubicación:";
constexpr wchar_t kRemoteAddressId[] = L"IP remota:";
}  // namespace

TfrFirewallAsk::TfrFirewallAsk(const FrameInput& input)
    : AskAlertFrame(input, {ResponseAllow, ResponseDeny}) {
  LoadAskFrame({}, {
                       {kAlertBodyBackColor, ColorPart::Background, L"Panel2"},
                       {kAlertBodyBackColor, ColorPart::Background, L"Panel3"},
                       {kAlertBodyBackColor, ColorPart::Background, L"Panel4"},
                       {kAlertTitleTextColor, ColorPart::Font, L"htmlProcessString"},
                       {kAlertBodyTextColor, ColorPart::Font, L"LabelLocation"},
                       {kAlertBodyTextColor, ColorPart::Font, L"LabelRisk"},
                       {kAlertBodyTextColor, ColorPart::Font, L"lbUbicacion"},
                       {kAlertBodyTextColor, ColorPart::Font, L"LabelIP"},
                       {kAlertBodyTextColor, ColorPart::Font, L"LabelIPValue"},
                       {kAlertBodyTextColor, ColorPart::Font, L"LabelPort"},
                       {kAlertBodyTextColor, ColorPart::Font, L"LabelPortValue"},
                   });
}

void TfrFirewallAsk::Fill(IUINotification& notification) {
  // The notification names the keys of its title and of the port and risk
  // captions, so the product words them (local or remote port, say).
  FrameTexts& texts = Texts();
  const std::wstring title =
      texts.TranslateOr(ReadText(&notification, key::TitleText, kLongText), kTitleTemplate);
  Find<ui::Control>(L"KXZEBtnDeny")->SetCaption(texts.TranslateOr(kDenyId, kDenyId));
  Find<ui::Control>(L"KXZEBtnAllow")->SetCaption(texts.TranslateOr(kAllowId, kAllowId));
  Find<ui::Control>(L"LabelLocation")->SetCaption(texts.TranslateOr(kLocationId, L""));
  Find<ui::Control>(L"LabelPort")
      ->SetCaption(texts.TranslateOr(ReadText(&notification, key::PortText, kLongText), L""));
  Find<ui::Control>(L"LabelIP")->SetCaption(texts.TranslateOr(kRemoteAddressId, L""));
  Find<ui::Control>(L"LabelRisk")
      ->SetCaption(texts.TranslateOr(ReadText(&notification, key::Risk, kLongText), L""));

  SetControlText(Find<ui::Control>(L"htmlProcessString"),
                 FillPositional(title, {EscapeMarkup(ReadText(&notification, key::AppName, kText))}));
  ShowLocation(notification, L"lbUbicacion");
  Find<ui::KXUAPaintBoxPngLux>(L"ImageRisk")
      ->SetResourceID(RiskPicture(ReadNumber(&notification, key::SAMPLE_NOTIFICATION_RISKLEVEL, 0)));

  const ConnectionEnd end = ReadConnectionEnd(&notification);
  auto* address = Find<ui::Control>(L"LabelIPValue");
  address->SetCaption(end.address);
  address->SetHint(end.address);  // whole, when a long IPv6 address ends in "..."
  Find<ui::Control>(L"LabelPortValue")->SetCaption(end.port ? std::to_wstring(*end.port) : L"");
}

}  // namespace kxua
