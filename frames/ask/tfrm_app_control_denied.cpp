#include "frames/ask/tfrm_app_control_denied.h"

#include "frames/common/frame_layouts.h"
#include "kxua/values.h"
#include "model/notification.h"
#include "model/path_conversion.h"
#include "model/path_parts.h"
#include "model/text_template.h"
#include "model/text_utils.h"

namespace kxua {

TfrmAppControlDenied::TfrmAppControlDenied(const FrameInput& input) : AlertFrame(input, Reads::List) {
  Handlers handlers = ProgramLinkHandlers(L"lbPath");
  handlers["LabelText2AnchorClick"] = [this](const ui::Event&) { RunNotificationAction(key::FullURL); };
  // Fits once the panels have settled, as the body grows with its texts.
  handlers["PanelsResize"] = [this](const ui::Event&) { PostFit(); };
  LoadFrame(FrameLayouts(), handlers);
  designedTitle_ = ControlText(Find<ui::Control>(L"lbTopText"));
  designedBody_ = ControlText(Find<ui::Control>(L"lbPath"));
  designedMore_ = ControlText(Find<ui::Control>(L"LabelText2"));
}

void TfrmAppControlDenied::Fill(IUINotification& notification) {
  FrameTexts& texts = Texts();
  const wchar_t* title = Count() > 1 ? key::TitleTextPlural : key::TitleText;
  Find<ui::Control>(L"lbTopText")
      ->SetCaption(texts.TranslateOrDesigned(ReadText(&notification, title, kText), designedTitle_));
  auto* body = Find<ui::Control>(L"lbPath");
  const std::wstring pattern =
      texts.TranslateOrDesigned(ReadText(&notification, key::MainText, kText), designedBody_);
  // The counter format is a text id here; without its translation the counter
  // shows the plain position and count.
  SetCounterFormat(texts.Translate(ReadText(&notification, key::ElementsCounter, kText)).value_or(L""));
  SetControlText(Find<ui::Control>(L"LabelText2"),
                 texts.TranslateOrDesigned(ReadText(&notification, key::Text2, kText), designedMore_));

  const std::wstring name =
      FitTextToWidth(SplitPath(ToWin32Path(ReadText(&notification, key::Path, kPathText))).fileName,
                     body->Font(), body->Width());
  SetControlText(body, FillTemplate(pattern, {EscapeMarkup(name)}));
}

void TfrmAppControlDenied::FitPosted() {
  auto* header = Find<ui::Control>(L"Panel1");
  auto* content = Find<ui::Control>(L"Panel5");
  SetHeight(header->Height() + content->Height());
  FitHostHeight();
}

}  // namespace kxua
