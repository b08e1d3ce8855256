// Runs a scenario through the library's entry point with the testbed as the
// product, and reports what happened.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tools/kxua-demo/scenario.h"
#include "tools/kxua-demo/target.h"

namespace kxua::demo {

// How often the toast is looked at, in milliseconds.
inline constexpr std::uint64_t kSampleInterval = 10;

// A PNG of the toast, under the file name that its "shown" entry's "picture" gives:
// the entry's place in the list (from 01) and the frame class, as
// "01-TfrGenericInformative.png".
struct Picture {
  std::string name;
  std::vector<std::uint8_t> png;
};

// The report of the run; throws ScenarioError, before anything runs, for a moment
// ("secondsFromStart") that does not fit 32-bit Unix time from this run's start, and
// for full-screen periods on a target that cannot stage them.
// `pictures` receives a picture for every "shown" entry the
// platform could take one for (entries without have no "picture").
nlohmann::json RunScenario(const Scenario& scenario, Target& target,
                           std::vector<Picture>& pictures);
// The same, for callers that want only the report.
nlohmann::json RunScenario(const Scenario& scenario, Target& target);

}  // namespace kxua::demo
