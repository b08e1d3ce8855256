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
  LoadAskFrame(
      handlers,
      {
          {kAlertBodyBackColor, ColorPart::Background, L"Panel2"},
          {kAlertBodyBackColor, ColorPart::Background, L"Panel3"},
          {kAlertTitleTextColor, ColorPart::Font, L"LabelTitle"},
          {kAlertBodyTextColor, ColorPart::Font, L"LabelTextApp"},
          {kAlertFootTextColor, ColorPart::Font, L"LabelTargetPath"},
      });
}

void TfrmAskFolderAccess::Fill(IUINotification& notification) {
  // The notification names every text; the program and the folder fill them in.
  const std::wstring title = TranslationOrDesigned(ReadText(&notification, key::TitleText, kLongText), L"LabelTitle");
  const std::wstring body = TranslationOrDesigned(ReadText(&notification, key::Text1, kLongText), L"LabelTextApp");
  const std::wstring target = TranslationOrDesigned(ReadText(&notification, key::Text2, kLongText), L"LabelTargetPath");
  for (const auto& [id, button] : {std::pair{key::Option1, L"KXZEBtnAllow"}, std::pair{key::Option2, L"KXZEBtnDeny"}})
    Find<ui::Control>(button)->SetCaption(TranslationOrDesigned(ReadText(&notification, id, kLongText), button));

  targetFolder_ = ToWin32Path(ReadText(&notification, key::TargetPath, kLongText));
  SetControlText(Find<ui::Control>(L"LabelTargetPath"), FillPositional(target, {EscapeMarkup(targetFolder_)}));
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
