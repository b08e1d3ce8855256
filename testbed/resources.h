// The stand-in product's pictures on the simulated platform: its resource library
// and its images folder.
#pragma once

#include <string>

#include "platform/sim/sim_platform.h"

namespace kxua::testbed {

inline constexpr wchar_t kResourceLibraryName[] = L"KXUAResources.dll";

// Makes the resource library loadable under `name` (its bare file name, or the
// full path the product would load it from), with every PNG resource the frames use.
void RegisterResourceModule(sim::SimPlatform& sim, const std::wstring& name = kResourceLibraryName);

// Puts the images folder's pictures into `folder`, which ends with a separator:
// "MetroAlert.png", and every picture of the resource library as "<id>.png", which
// frames find there by resource id.
void AddImagesFolder(sim::SimPlatform& sim, const std::wstring& folder);

}  // namespace kxua::testbed
