#include "platform/sim/sim_platform.h"

namespace kxua::platform {

// Native programs that install no platform of their own run on a simulation.
Platform& DefaultPlatform() {
  static sim::SimPlatform simulation;
  return simulation;
}

}  // namespace kxua::platform
