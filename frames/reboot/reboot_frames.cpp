#include "frames/reboot/reboot_frames.h"

#include "frames/reboot/tf_need_reboot2.h"
#include "frames/reboot/tfr_follow_steps.h"
#include "frames/reboot/tfr_need_reboot.h"
#include "kxua/values.h"

namespace kxua {

namespace {
template <class Frame>
std::unique_ptr<AlertFrame> Make(const FrameInput& input) {
  return std::make_unique<Frame>(input);
}
}  // namespace

void RegisterRebootFrames(FrameRegistry& registry) {
  registry.Register(ListAlerts, alerts_form::TfrNeedReboot, Make<TfrNeedReboot>);
  registry.Register(ListAlerts, alerts_form::TfrFollowSteps, Make<TfrFollowSteps>);
  registry.Register(ListAlerts, alerts_form::TfNeedReboot2, Make<TfNeedReboot2>);
}

}  // namespace kxua
