#include "frames/informative/tfr_administration.h"

#include "frames/common/frame_layouts.h"
#include "kxua/values.h"
#include "model/actions.h"
#include "model/product_folders.h"

namespace kxua {

TfrAdministration::TfrAdministration(const FrameInput& input)
    : AlertFrame(input, Reads::List), resourceLibrary_(kResourceLibraryName) {
  LoadFrame(FrameLayouts(),
            {{"kxzeButtonRebootClick", [this](const ui::Event&) { kxzeButtonRebootClick(); }}});
}

void TfrAdministration::Fill(IUINotification& notification) {
  ShowText(notification, key::TitleText, L"lbTopText");
  ShowText(notification, key::MainText, L"labelMainText");
  ShowText(notification, key::ButtonText, L"kxzeButtonReboot");
}

void TfrAdministration::kxzeButtonRebootClick() {
  RestartSystem(Context(), RestartArgument::EmptyText);
  RequestClose();
}

}  // namespace kxua
