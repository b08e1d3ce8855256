// The layouts every frame family may inherit, compiled into the library
// (frames/common/*.layout.json).
#pragma once

#include <vector>

#include "ui/layout.h"

namespace kxua {

std::vector<ui::LayoutSource> CommonLayouts();

}  // namespace kxua
