// Scenario files come from users of the demo: any bytes give a scenario or a
// ScenarioError, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/kxua-demo/scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    kxua::demo::ParseScenario(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const kxua::demo::ScenarioError&) {
  }
  return 0;
}
