#include "frames/ask/tfrm_ask_folder_access.h"

#include "kxua/values.h"
#include "model/alert_colors.h"
#include "model/notification.h"
#include "model/path_conversion.h"
#include "model/path_parts.h"
#include "model/text_template.h"
#include "model/text_utils.h"

namespace kxua {

TfrmAskFolderAccess::TfrmAskFolderAccess(const FrameInput& input)
    : AskAlertFrame(input, {ResponseAllow, ResponseDeny}) {
  Handlers handlers = ProgramLinkHandlers(L"LabelTextApp");
  handlers["LabelTargetPathAnchorClick"] = [this](const ui::Event&) { LabelTargetPathAnchorClick(); };
  LoadAskFrame(handlers, {
                             {kAlertBodyBackColor, ColorPart::Background, L"Panel2"},
                             {kAlertBodyBackColor, ColorPart::Background, L"Panel3"},
                             {kAlertTitleTextColor, ColorPart::Font, L"LabelTitle"},
                             {kAlertBodyTextColor, ColorPart::Font, L"LabelTextApp"},
                             {kAlertFootTextColor, ColorPart::Font, L"LabelTargetPath"},
                         });
}

void TfrmAskFolderAccess::Fill(IUINotification& notification) {
  // The notification names every text; the program and the folder fill them in.
  const auto text = [&](const wchar_t* id, const wchar_t* control) {
    return TranslationOrDesigned(ReadText(&notification, id, kLongText), control);
  };
  const std::wstring title = text(key::TitleText, L"LabelTitle");
  const std::wstring body = text(key::Text1, L"LabelTextApp");
  const std::wstring target = text(key::Text2, L"LabelTargetPath");
  Find<ui::Control>(L"KXZEBtnAllow")->SetCaption(text(key::Option1, L"KXZEBtnAllow"));
  Find<ui::Control>(L"KXZEBtnDeny")->SetCaption(text(key::Option2, L"KXZEBtnDeny"));

  targetFolder_ = ToWin32Path(ReadText(&notification, key::TargetPath, kLongText));
  SetControlText(Find<ui::Control>(L"LabelTargetPath"),
                 FillPositional(target, {EscapeMarkup(targetFolder_)}));
  const std::wstring program =
      EscapeMarkup(SplitPath(ToWin32Path(ReadText(&notification, key::Path, kLongText))).fileName);
  SetControlText(Find<ui::Control>(L"LabelTextApp"), FillPositional(body, {program}));
  SetControlText(Find<ui::Control>(L"LabelTitle"), FillPositional(title, {program}));
}

void TfrmAskFolderAccess::LabelTargetPathAnchorClick() {
  // The folder itself, not the whole label: the product's wording around it is no path.
  OpenFolder(targetFolder_);
}

}  // namespace kxua
