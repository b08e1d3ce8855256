#include "testbed/companion_sim.h"

#include "testbed/companion_library.h"

namespace kxua::testbed {

void RegisterCompanionLibrary(sim::SimPlatform& sim, const std::wstring& path) {
  sim.AddModuleFunction(path, kToasterFactoryName,
                        reinterpret_cast<void*>(&CompanionToasterInstance));
  sim.AddModuleFunction(path, kShortcutFactoryName,
                        reinterpret_cast<void*>(&CompanionShortcutInstance));
  sim.AddModuleFunction(path, kInfoFactoryName, reinterpret_cast<void*>(&CompanionInfoInstance));
}

}  // namespace kxua::testbed
