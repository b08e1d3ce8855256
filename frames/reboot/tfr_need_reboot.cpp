#include "frames/reboot/tfr_need_reboot.h"

namespace kxua {

TfrNeedReboot::TfrNeedReboot(const FrameInput& input) : UnfinishedItemFrame(input) {
  LoadItemFrame({{"kxzeButtonRebootClick", [this](const ui::Event&) { kxzeButtonRebootClick(); }},
                 {"labelDetailsClick", [this](const ui::Event&) { ToggleDetails(); }}},
                L"kxzeButtonReboot");
}

void TfrNeedReboot::kxzeButtonRebootClick() {
  if (restart_.Press(Context())) RequestClose();
}

}  // namespace kxua
