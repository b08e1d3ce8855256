// The alerts that tell the user the product could not finish on its own: a
// restart is needed, or manual steps.
#pragma once

#include "frames/common/frame_registry.h"

namespace kxua {

void RegisterRebootFrames(FrameRegistry& registry);

}  // namespace kxua
