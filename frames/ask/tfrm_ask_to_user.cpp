#include "frames/ask/tfrm_ask_to_user.h"

#include "frames/common/risk_picture.h"
#include "kxua/values.h"
#include "model/alert_colors.h"
#include "model/notification.h"
#include "model/text_template.h"
#include "ui/kxua_controls.h"

namespace kxua {

namespace {
// The text id of a malware type's name, by the type's number.
constexpr wchar_t kMalwareTypeId[] = L"MALWARE_TYPE_%d";
// Design-time captions that are text ids too.
constexpr wchar_t kNeutralizeId[] = L"Neutralizar";
constexpr wchar_t kExcludeId[] = L"Excluir";
constexpr wchar_t kLocationId[] = L"Ubicación:";
}  // namespace

TfrmAskToUser::TfrmAskToUser(const FrameInput& input)
    : AskAlertFrame(input, {ResponseNeutralize, ResponseExclude}) {
  LoadAskFrame({}, {
                       {kAlertBodyBackColor, ColorPart::Background, L"Panel2"},
                       {kAlertBodyBackColor, ColorPart::Background, L"Panel3"},
                       {kAlertTitleTextColor, ColorPart::Font, L"htmlProcessString"},
                       {kAlertBodyTextColor, ColorPart::Font, L"LabelLocation"},
                       {kAlertBodyTextColor, ColorPart::Font, L"lbUbicacion"},
                   });
}

void TfrmAskToUser::Fill(IUINotification& notification) {
  FrameTexts& texts = Texts();
  Find<ui::Control>(L"KXZEBtnAllow")->SetCaption(texts.TranslateOr(kNeutralizeId, kNeutralizeId));
  Find<ui::Control>(L"KXZEBtnDeny")->SetCaption(texts.TranslateOr(kExcludeId, kExcludeId));
  Find<ui::Control>(L"LabelLocation")->SetCaption(texts.TranslateOr(kLocationId, kLocationId));

  // The title names the kind of malware: "%s" takes its translated name.
  const std::wstring typeId = FillTemplate(kMalwareTypeId, {ReadNumber(&notification, key::MWType, 0)});
  const std::wstring title =
      TranslationOrDesigned(ReadText(&notification, key::TitleText, kLongText), L"htmlProcessString");
  SetControlText(Find<ui::Control>(L"htmlProcessString"),
                 FillTemplate(title, {texts.TranslateOr(typeId, L"")}));
  ShowLocation(notification, L"lbUbicacion");
  Find<ui::KXUAPaintBoxPngLux>(L"imgRisk")
      ->SetResourceID(RiskPicture(ReadNumber(&notification, key::SAMPLE_NOTIFICATION_RISKLEVEL, 0)));
}

}  // namespace kxua
