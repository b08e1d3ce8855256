// The layouts of the host, compiled into the library (host/*.layout.json).
#pragma once

#include <vector>

#include "ui/layout.h"

namespace kxua {

std::vector<ui::LayoutSource> HostLayouts();

}  // namespace kxua
