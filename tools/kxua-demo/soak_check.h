// What must hold after any run of a scenario whose single alerts all expire before
// its end (as the generator's do): the invariants a soak run checks, and the counts
// it reports.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tools/kxua-demo/scenario.h"

namespace kxua::demo {

// What broke, one line each; empty when everything held: the run ended with result
// 0 and nothing pending, every alert of the scenario was removed exactly once, every
// response written into an alert is 0, the alert's own DefaultResponse or the code
// of a button the scenario clicks, and every toast shown lay inside the work area of
// the simulated desktop.
std::vector<std::string> CheckSoak(const Scenario& scenario, const nlohmann::json& report);

struct SoakCounts {
  std::size_t alerts = 0;
  std::size_t shown = 0;      // entries of the report's "shown"
  std::size_t removals = 0;   // RemoveAlert calls
  std::size_t answered = 0;   // alerts with a response
  std::size_t byDefault = 0;  // ... whose last is the alert's DefaultResponse
  std::size_t byButton = 0;   // ... whose last is a button's code
  std::size_t withZero = 0;   // ... whose last is 0 (expired or closed unanswered)
};
SoakCounts CountSoak(const Scenario& scenario, const nlohmann::json& report);

}  // namespace kxua::demo
