// The ask alerts, where a program waits for the user's answer, and the blocked
// application notice that belongs with them.
#pragma once

#include "frames/common/frame_registry.h"

namespace kxua {

void RegisterAskFrames(FrameRegistry& registry);

}  // namespace kxua
