#include "frames/reboot/reboot_frames.h"

#include "frames/reboot/tf_need_reboot2.h"
#include "frames/reboot/tfr_follow_steps.h"
#include "frames/reboot/tfr_need_reboot.h"
#include "kxua/values.h"

namespace kxua {

void RegisterRebootFrames(FrameRegistry& registry) {
  registry.Register<TfrNeedReboot>(ListAlerts, alerts_form::TfrNeedReboot);
  registry.Register<TfrFollowSteps>(ListAlerts, alerts_form::TfrFollowSteps);
  registry.Register<TfNeedReboot2>(ListAlerts, alerts_form::TfNeedReboot2);
}

}  // namespace kxua
