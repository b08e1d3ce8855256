// The frames of the library, registered by each frame family when first asked for.
#pragma once

#include "frames/common/frame_registry.h"

namespace kxua {

FrameRegistry& Frames();

}  // namespace kxua
