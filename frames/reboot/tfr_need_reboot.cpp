#include "frames/reboot/tfr_need_reboot.h"

#include "model/actions.h"

namespace kxua {

TfrNeedReboot::TfrNeedReboot(const FrameInput& input) : UnfinishedItemFrame(input) {
  LoadItemFrame({{"kxzeButtonRebootClick", [this](const ui::Event&) { kxzeButtonRebootClick(); }},
                 {"labelDetailsClick", [this](const ui::Event&) { ToggleDetails(); }}},
                L"kxzeButtonReboot");
}

void TfrNeedReboot::kxzeButtonRebootClick() {
  // A second click while the close request is on its way must not restart twice.
  if (restartAsked_) return;
  restartAsked_ = true;
  RestartSystem(Context(), RestartArgument::Zero);
  RequestClose();
}

}  // namespace kxua
