// The layouts of every frame family and the common layouts they inherit, compiled
// into the library (frames/*/*.layout.json).
#pragma once

#include <vector>

#include "ui/layout.h"

namespace kxua {

std::vector<ui::LayoutSource> FrameLayouts();

}  // namespace kxua
