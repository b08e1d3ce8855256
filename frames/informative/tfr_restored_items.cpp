#include "frames/informative/tfr_restored_items.h"

#include "frames/common/frame_layouts.h"
#include "frames/common/path_label.h"
#include "kxua/values.h"
#include "model/actions.h"
#include "model/alert_colors.h"
#include "model/notification.h"
#include "model/path_conversion.h"
#include "model/path_parts.h"
#include "model/text_template.h"
#include "model/text_utils.h"
#include "ui/html_label.h"

namespace kxua {

TfrRestoredItems::TfrRestoredItems(const FrameInput& input) : AlertFrame(input, Reads::List) {
  LoadFrame(FrameLayouts(),
            {{"kxzeButtonOpenFolderClick", [this](const ui::Event&) { kxzeButtonOpenFolderClick(); }}},
            {{kAlertBodyTextColor, ColorPart::Font, L"lbPath"},
             {kAlertBodyTextColor, ColorPart::Font, L"lbMainText"},
             {kAlertButtonTextColor, ColorPart::Font, L"KXZEBtnAllow"}});
  mainTemplate_ = Find<ui::HtmlLabel>(L"lbMainText")->HTMLText();
}

void TfrRestoredItems::Fill(IUINotification& notification) {
  const std::wstring appName = ReadText(&notification, key::AppName, kText);
  const std::wstring restorationPath = ReadText(&notification, key::RestorationPath, kText);
  ShowText(notification, Count() > 1 ? key::TitleTextPlural : key::TitleText, L"lbTopText");
  if (auto main = Texts().Translate(ReadText(&notification, key::MainText, kText))) mainTemplate_ = *main;
  ShowText(notification, key::ButtonText, L"KXZEBtnAllow");
  if (auto counter = Texts().Translate(ReadText(&notification, key::ElementsCounter, kText)))
    SetCounterFormat(*counter);
  // A name longer than the text's width is cut, so the toast keeps its size; the
  // hint holds it whole.
  auto* mainText = Find<ui::HtmlLabel>(L"lbMainText");
  const std::wstring shownName = FitTextToWidth(appName, mainText->Font(), mainText->Width());
  mainText->SetHTMLText(FillPositional(mainTemplate_, {shownName}));
  mainText->SetHint(shownName != appName ? appName : std::wstring());
  mainText->SetShowHint(shownName != appName);
  // The folder the item went back to; a path without one shows whole.
  const PathParts parts = SplitPath(restorationPath);
  const bool hasFolder = restorationPath.find(L'\\') != std::wstring::npos;
  ShowPath(Find<ui::Control>(L"lbPath"), DisplayPath(hasFolder ? parts.folder : restorationPath));
}

void TfrRestoredItems::kxzeButtonOpenFolderClick() {
  if (IUINotification* shown = Shown())
    OpenShellFolder(Context(), ToWin32Path(ReadText(shown, key::RestorationPath, kText)));
}

}  // namespace kxua
