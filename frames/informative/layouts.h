// The layouts of the informative frames, compiled into the library
// (frames/informative/*.layout.json).
#pragma once

#include <vector>

#include "ui/layout.h"

namespace kxua {

std::vector<ui::LayoutSource> InformativeLayouts();

}  // namespace kxua
