#include "frames/ask/tt_untrusted_file.h"

#include "kxua/values.h"
#include "model/alert_colors.h"
#include "model/notification.h"
#include "model/path_conversion.h"
#include "model/path_parts.h"
#include "model/text_template.h"
#include "model/text_utils.h"
#include "ui/kxua_controls.h"

namespace kxua {

namespace {
constexpr int kDefaultIcon = 3173;
constexpr wchar_t kFolderLink[] = L"<a href=\"#\">%s</a>";
}  // namespace

TTUntrustedFile::TTUntrustedFile(const FrameInput& input)
    : AskAlertFrame(input, {ResponseAllow, ResponseDeny}) {
  std::vector<ColorRule> colors = {
      {kAlertBodyBackColor, ColorPart::Background, L"Panel2"},
      {kAlertBodyBackColor, ColorPart::Background, L"Panel4"},
      {kAlertBodyBackColor, ColorPart::Background, L"Panel5"},
      {kAlertBodyBackColor, ColorPart::Background, L"Panel7"},
      {kAlertBodyBackColor, ColorPart::Background, L"Panel8"},
      {kAlertTitleTextColor, ColorPart::Font, L"htmlProcessString"},
  };
  for (const wchar_t* value : {L"Text2Value", L"Text3Value", L"Text4Value", L"Text5Value"})
    colors.push_back({kAlertBodyTextColor, ColorPart::Font, value});
  LoadAskFrame(
      {
          {"DoMove", [this](const ui::Event&) { Drag(); }},
          {"KXUAPaintBoxPngLux1Click",
           [this](const ui::Event&) { ShowFileProperties(Context(), Shown(), *this); }},
          {"Text3ValueAnchorClick", [this](const ui::Event&) { Text3ValueAnchorClick(); }},
      },
      colors);
}

void TTUntrustedFile::Fill(IUINotification& notification) {
  // The notification names every caption and the question; the file fills the values.
  const std::pair<const wchar_t*, const wchar_t*> texts[] = {
      {key::TitleText, L"htmlProcessString"},
      {key::Text1, L"Text1"},
      {key::Text2, L"Text2"},
      {key::Text3, L"Text3"},
      {key::Text4, L"Text4"},
      {key::Text5, L"Text5"},
      {key::Option1, L"BtnAllow"},
      {key::Option2, L"BtnDeny"},
  };
  for (const auto& [id, control] : texts)
    SetControlText(Find<ui::Control>(control),
                   TranslationOrDesigned(ReadText(&notification, id, kLongText), control));

  const auto show = [this](const wchar_t* control, const std::wstring& text, const std::wstring& hint) {
    auto* value = Find<ui::Control>(control);
    SetControlText(value, text);
    value->SetHint(hint);
  };
  const PathParts file = SplitPath(ToWin32Path(ReadText(&notification, key::Path, kLongText)));
  show(L"Text2Value", file.fileName, file.fileName);
  show(L"Text3Value", FillTemplate(kFolderLink, {EscapeMarkup(file.folder)}), file.folder);
  const std::wstring publisher = ReadText(&notification, key::Publisher, kLongText);
  show(L"Text4Value", publisher, publisher);
  const std::wstring startedBy = ToWin32Path(ReadText(&notification, key::ExecutedBy, kLongText));
  show(L"Text5Value", startedBy, startedBy);
  Find<ui::KXUAPaintBoxPngLux>(L"MainIcon")
      ->SetResourceID(ReadNumber(&notification, key::MainIconID, kDefaultIcon));
}

void TTUntrustedFile::EnablePropertiesPicture(bool enabled) {
  Find<ui::Control>(L"imgInfo")->SetEnabled(enabled);
}

void TTUntrustedFile::Text3ValueAnchorClick() {
  if (IUINotification* notification = Shown())
    OpenFolder(ToWin32Path(ReadText(notification, key::Path, kLongText)));
}

}  // namespace kxua
