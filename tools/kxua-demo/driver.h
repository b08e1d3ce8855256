// Runs a scenario through the library's entry point with the testbed as the
// product, and reports what happened.
#pragma once

#include <nlohmann/json.hpp>

#include "tools/kxua-demo/scenario.h"
#include "tools/kxua-demo/target.h"

namespace kxua::demo {

// How often the toast is looked at, in milliseconds.
inline constexpr std::uint64_t kSampleInterval = 10;

nlohmann::json RunScenario(const Scenario& scenario, Target& target);

}  // namespace kxua::demo
