#include "frames/informative/tfr_synchronization_restart.h"

#include "frames/common/frame_layouts.h"
#include "kxua/values.h"
#include "model/actions.h"
#include "model/notification.h"
#include "model/product_folders.h"

namespace kxua {

TfrSynchronizationRestart::TfrSynchronizationRestart(const FrameInput& input)
    : AlertFrame(input, Reads::OneNotification, kUntilAnswered), resourceLibrary_(kResourceLibraryName) {
  LoadFrame(FrameLayouts(),
            {{"kxzeButtonRebootClick", [this](const ui::Event&) { kxzeButtonRebootClick(); }}});
}

void TfrSynchronizationRestart::Fill(IUINotification& notification) {
  responseNeeded_ = ReadFlag(&notification, key::ResponseNeeded, false);
  ShowText(notification, key::TitleText, L"lbTopText");
  ShowText(notification, key::MainText, L"labelMainText");
  ShowText(notification, key::ButtonText, L"kxzeButtonReboot");
}

void TfrSynchronizationRestart::kxzeButtonRebootClick() {
  // A product that asked for an answer restarts by itself.
  if (responseNeeded_) return Answer(ResponseRestartNow);
  RestartSystem(Context(), RestartArgument::EmptyText);
  RequestClose();
}

void TfrSynchronizationRestart::KXZEBtnCloseClick() { Answer(ResponseNone); }

}  // namespace kxua
