#include "frames/ask/ttf_app_control_ask.h"

#include "kxua/values.h"
#include "model/alert_colors.h"
#include "model/notification.h"
#include "model/path_conversion.h"
#include "model/path_parts.h"
#include "model/text_template.h"
#include "model/text_utils.h"

namespace kxua {

TTfAppControlAsk::TTfAppControlAsk(const FrameInput& input)
    : AskAlertFrame(input, {ResponseAllow, ResponseDeny}) {
  Handlers handlers = ProgramLinkHandlers(L"LabelTextApp");
  handlers["LabelText2AnchorClick"] = [this](const ui::Event&) { RunNotificationAction(key::FullURL); };
  // The frame fits the host once its panels have settled.
  handlers["FrameResize"] = [this](const ui::Event&) { PostFit(); };
  LoadAskFrame(handlers, {
                             {kAlertBodyBackColor, ColorPart::Background, L"Panel2"},
                             {kAlertBodyBackColor, ColorPart::Background, L"Panel3"},
                             {kAlertTitleTextColor, ColorPart::Font, L"LabelTitle"},
                             {kAlertBodyTextColor, ColorPart::Font, L"LabelTextApp"},
                             {kAlertBodyTextColor, ColorPart::Link, L"LabelTextApp"},
                         });
}

void TTfAppControlAsk::Fill(IUINotification& notification) {
  // The notification names every text; the program's file name fills the body.
  const std::pair<const wchar_t*, const wchar_t*> texts[] = {{key::TitleText, L"LabelTitle"},
                                                             {key::Text2, L"LabelText2"},
                                                             {key::Option1, L"KXZEBtnAllow"},
                                                             {key::Option2, L"KXZEBtnDeny"}};
  for (const auto& [id, control] : texts)
    SetControlText(Find<ui::Control>(control),
                   TranslationOrDesigned(ReadText(&notification, id, kLongText), control));

  auto* body = Find<ui::Control>(L"LabelTextApp");
  const std::wstring pattern =
      TranslationOrDesigned(ReadText(&notification, key::Text1, kLongText), L"LabelTextApp");
  const std::wstring name =
      FitTextToWidth(SplitPath(ToWin32Path(ReadText(&notification, key::Path, kLongText))).fileName,
                     body->Font(), body->Width());
  SetControlText(body, FillPositional(pattern, {EscapeMarkup(name)}));
}

}  // namespace kxua
