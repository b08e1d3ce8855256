// The informative frames: notices, errors, finished tasks and updates that need no
// answer.
#pragma once

#include "frames/common/frame_registry.h"

namespace kxua {

// Registers each informative frame for its form types, in both lists where a form
// type names it in both.
void RegisterInformativeFrames(FrameRegistry& registry);

}  // namespace kxua
