// The frames of the library: every family's frames, registered when first asked for.
#pragma once

#include "frames/common/frame_registry.h"

namespace kxua {

FrameRegistry& Frames();

}  // namespace kxua
