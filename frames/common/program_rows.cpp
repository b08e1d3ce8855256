#include "frames/common/program_rows.h"

#include "kxua/values.h"
#include "model/actions.h"
#include "model/notification.h"
#include "model/path_conversion.h"
#include "model/path_parts.h"
#include "model/text_template.h"
#include "model/text_utils.h"
#include "ui/component.h"
#include "ui/html_label.h"
#include "ui/kxua_controls.h"

namespace kxua {

namespace {

// `hint` is what the value reads as: the text of a label, the plain text of markup.
void ShowValue(ui::Control* control, const std::wstring& text, const std::wstring& hint) {
  if (control == nullptr) return;
  SetControlText(control, text);
  control->SetHint(hint);
  control->SetShowHint(true);
}

}  // namespace

void ShowProgramRows(const ui::Component& frame, FrameTexts& texts, IUINotification& notification) {
  const auto find = [&frame](const wchar_t* name) { return frame.Find<ui::Control>(name); };
  const auto translate = [&](const wchar_t* key, const wchar_t* control) {
    texts.Show(find(control), ReadText(&notification, key, kLongText));
  };
  translate(key::TitleText, L"htmlProcessString");
  for (const wchar_t* row : {key::Text1, key::Text2, key::Text3, key::Text4, key::Text5}) translate(row, row);

  const PathParts path = SplitPath(ToWin32Path(ReadText(&notification, key::Path, kLongText)));
  ShowValue(find(L"Text2Value"), path.fileName, path.fileName);
  // The folder is outside input: it fills the link and nothing else.
  const std::wstring link = FillTemplate(L"<a href=\"#\">%s</a>", {path.folder});
  ShowValue(find(L"Text3Value"), link, StripMarkup(link));
  const std::wstring publisher = ReadText(&notification, key::Publisher, kLongText);
  ShowValue(find(L"Text4Value"), publisher, publisher);
  const std::wstring starter = ToWin32Path(ReadText(&notification, key::ExecutedBy, kLongText));
  ShowValue(find(L"Text5Value"), starter, starter);
  if (auto* icon = frame.Find<ui::KXUAPaintBoxPngLux>(L"MainIcon"))
    icon->SetResourceID(ReadNumber(&notification, key::MainIconID, kDefaultMainIcon));
}

void OpenProgramFolder(IZYMApplicationContext* context, IUINotification* notification) {
  if (notification == nullptr) return;
  OpenShellFolder(context, ToWin32Path(ReadText(notification, key::Path, kLongText)));
}

}  // namespace kxua
