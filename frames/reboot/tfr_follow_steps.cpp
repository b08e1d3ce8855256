#include "frames/reboot/tfr_follow_steps.h"

#include "kxua/values.h"

namespace kxua {

TfrFollowSteps::TfrFollowSteps(const FrameInput& input) : UnfinishedItemFrame(input) {
  LoadItemFrame({{"kxzeButtonStepsClick", [this](const ui::Event&) { RunNotificationAction(key::FullURL); }},
                 {"kxzeButtonDetailsDownClick", [this](const ui::Event&) { ToggleDetails(); }}},
                L"kxzeButtonSteps");
}

}  // namespace kxua
