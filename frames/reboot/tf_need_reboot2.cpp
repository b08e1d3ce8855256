#include "frames/reboot/tf_need_reboot2.h"

#include "frames/common/frame_layouts.h"
#include "frames/common/program_rows.h"
#include "kxua/values.h"
#include "model/alert_colors.h"
#include "model/notification.h"
#include "model/product_folders.h"

namespace kxua {

TfNeedReboot2::TfNeedReboot2(const FrameInput& input)
    : AlertFrame(input, Reads::OneNotification, kUntilAnswered), resourceLibrary_(kResourceLibraryName) {
  LoadFrame(FrameLayouts(),
            {{"kxzeButtonRebootClick", [this](const ui::Event&) { kxzeButtonRebootClick(); }},
             {"Text3ValueAnchorClick", [this](const ui::Event&) { OpenProgramFolder(Context(), Shown()); }},
             {"imgInfoClick", [this](const ui::Event&) { ShowFileProperties(Context(), Shown(), *this); }}},
            {{kAlertBodyBackColor, ColorPart::Background, L"Panel2"},
             {kAlertBodyBackColor, ColorPart::Background, L"Panel3"},
             {kAlertBodyBackColor, ColorPart::Background, L"Panel4"},
             {kAlertBodyBackColor, ColorPart::Background, L"Panel7"},
             {kAlertBodyBackColor, ColorPart::Background, L"Panel8"},
             {kAlertTitleWarningBackColor, ColorPart::Background, L"Panel1"},
             {kAlertTitleWarningBackColor, ColorPart::Background, L"Panel6"},
             {kAlertTitleTextColor, ColorPart::Font, L"htmlProcessString"},
             {kAlertBodyTextColor, ColorPart::Font, L"Text2Value"},
             {kAlertBodyTextColor, ColorPart::Font, L"Text3Value"},
             {kAlertBodyTextColor, ColorPart::Font, L"Text4Value"},
             {kAlertBodyTextColor, ColorPart::Font, L"Text5Value"},
             {kAlertButtonTextColor, ColorPart::Font, L"BtnReset"}});
}

void TfNeedReboot2::Fill(IUINotification& notification) {
  ShowProgramRows(*this, Texts(), notification);
  Texts().Show(Find<ui::Control>(L"BtnReset"), ReadText(&notification, key::Option1, kLongText));
}

void TfNeedReboot2::EnablePropertiesPicture(bool enabled) { Find<ui::Control>(L"imgInfo")->SetEnabled(enabled); }

void TfNeedReboot2::kxzeButtonRebootClick() {
  if (restart_.Press(Context())) RequestClose();
}

}  // namespace kxua
