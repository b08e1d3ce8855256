// The stand-in companion library on the simulated platform.
#pragma once

#include <string>

#include "platform/sim/sim_platform.h"

namespace kxua::testbed {

// Makes the stand-in loadable as `path` (the installation folder followed by
// "KXW8Utils.dll", as the product installs it) with its three entry points.
void RegisterCompanionLibrary(sim::SimPlatform& sim, const std::wstring& path);

}  // namespace kxua::testbed
