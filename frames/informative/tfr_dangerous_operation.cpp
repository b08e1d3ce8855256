#include "frames/informative/tfr_dangerous_operation.h"

#include "frames/common/frame_layouts.h"
#include "frames/common/path_label.h"
#include "kxua/values.h"
#include "model/actions.h"
#include "model/alert_colors.h"
#include "model/notification.h"
#include "model/text_template.h"

namespace kxua {

TfrDangerousOperation::TfrDangerousOperation(const FrameInput& input) : AlertFrame(input, Reads::List) {
  LoadFrame(FrameLayouts(),
            {{"lbPathClick", [this](const ui::Event&) { lbPathClick(); }},
             {"lbRuleClick", [this](const ui::Event&) { RunNotificationAction(key::FullURL); }}},
            {{kAlertTitleBackColor, ColorPart::StateBackground, L"KXZEBtnClose"},
             {kAlertTitleTextColor, ColorPart::StateFont, L"KXZEBtnClose"},
             {kAlertTitleDetailTextColor, ColorPart::Font, L"KXZEBtnLArrow"},
             {kAlertTitleDetailTextColor, ColorPart::Font, L"KXZEBtnRArrow"},
             {kAlertBodyTextColor, ColorPart::Font, L"lbPath"},
             {kAlertBodyTextColor, ColorPart::Font, L"lbRule"}});
  ruleTemplate_ = Find<ui::Control>(L"lbRule")->Caption();
}

void TfrDangerousOperation::Fill(IUINotification& notification) {
  ShowText(notification, Count() > 1 ? key::TitleTextPlural : key::TitleText, L"lbTopText");
  if (auto rule = Texts().Translate(ReadText(&notification, key::MainText, kText))) ruleTemplate_ = *rule;
  if (auto counter = Texts().Translate(ReadText(&notification, key::ElementsCounter, kText)))
    SetCounterFormat(*counter);
  // The template is outside input: it gets the rule's number and nothing else.
  const std::wstring rule =
      FillTemplate(ruleTemplate_, {ReadNumber(&notification, key::InterceptionRuleShowID, 0)});
  Find<ui::Control>(L"lbRule")->SetCaption(rule.substr(0, kText - 1));
  ShowPath(Find<ui::Control>(L"lbPath"), DisplayPath(ReadText(&notification, key::Path, kPathText)));
}

void TfrDangerousOperation::lbPathClick() {
  OpenShellFolder(Context(), Find<ui::Control>(L"lbPath")->Caption());
}

}  // namespace kxua
