#include "tools/kxua-demo/soak_check.h"

#include <cwctype>
#include <iterator>
#include <map>
#include <optional>
#include <set>

#include "host/placement.h"
#include "model/utf8.h"
#include "platform/sim/sim_platform.h"
#include "tools/kxua-demo/generator.h"

namespace kxua::demo {

namespace {

using nlohmann::json;

// The codes the scenario's clicks can write: a button's only when it is clicked.
std::set<std::int32_t> ButtonCodes(const Scenario& scenario) {
  // Controls are named as the runtime names them, case ignored.
  const auto fold = [](std::wstring name) {
    for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
    return name;
  };
  const std::wstring restart = fold(WideFromUtf8(kRestartButton));
  std::set<std::int32_t> codes;
  for (const InputEvent& input : scenario.input)
    if (input.kind == InputEvent::Kind::Click && fold(input.control) == restart)
      codes.insert(kRestartResponse);
  return codes;
}

std::optional<std::int32_t> DefaultResponse(const AlertEvent& alert) {
  for (const Value& v : alert.values)
    if (v.name == L"DefaultResponse")
      if (const auto* number = std::get_if<std::int32_t>(&v.value)) return *number;
  return std::nullopt;
}

// The responses of each removed notification, by alert; -1 for a notification the
// scenario did not make.
std::multimap<long, json> Removed(const json& report) {
  std::multimap<long, json> removed;
  for (const json& removal : report["removed"])
    for (const json& notification : removal["notifications"])
      removed.emplace(notification["alert"].get<long>(), notification["responses"]);
  return removed;
}

}  // namespace

std::vector<std::string> CheckSoak(const Scenario& scenario, const json& report) {
  std::vector<std::string> broken;
  if (report["result"] != 0) broken.push_back("the last run's result is " + report["result"].dump());
  for (const auto& [list, count] : report["pending"].items())
    if (count != 0) broken.push_back(count.dump() + " pending in " + list + " at the end");
  const platform::Rect area =
      WorkArea(sim::SimPlatform::kDefaultScreen, sim::SimPlatform::kDefaultTaskbar);
  for (std::size_t i = 0; i < report["shown"].size(); ++i) {
    const json& bounds = report["shown"][i]["bounds"];
    const int left = bounds["left"], top = bounds["top"];
    if (left < area.left || top < area.top || left + bounds["width"].get<int>() > area.right ||
        top + bounds["height"].get<int>() > area.bottom)
      broken.push_back("shown[" + std::to_string(i) + "] lies outside the work area: " +
                       bounds.dump());
  }
  const std::multimap<long, json> removed = Removed(report);
  if (removed.count(-1) > 0) broken.push_back("a notification the scenario did not make was removed");
  const std::set<std::int32_t> buttons = ButtonCodes(scenario);
  for (std::size_t i = 0; i < scenario.alerts.size(); ++i) {
    const std::string alert = "alert " + std::to_string(i);
    const auto [first, last] = removed.equal_range(static_cast<long>(i));
    const auto times = std::distance(first, last);
    if (times != 1) broken.push_back(alert + " was removed " + std::to_string(times) + " times");
    const std::optional<std::int32_t> byDefault = DefaultResponse(scenario.alerts[i]);
    for (auto it = first; it != last; ++it)
      for (const json& response : it->second) {
        const auto code = response.get<std::int32_t>();
        if (code != 0 && code != byDefault && buttons.count(code) == 0)
          broken.push_back(alert + " was answered " + std::to_string(code));
      }
  }
  return broken;
}

SoakCounts CountSoak(const Scenario& scenario, const json& report) {
  SoakCounts counts;
  counts.alerts = scenario.alerts.size();
  counts.shown = report["shown"].size();
  counts.removals = report["removed"].size();
  const std::set<std::int32_t> buttons = ButtonCodes(scenario);
  for (const auto& [alert, responses] : Removed(report)) {
    if (responses.empty() || alert < 0) continue;
    ++counts.answered;
    const auto last = responses.back().get<std::int32_t>();
    if (last == 0)
      ++counts.withZero;
    else if (last == DefaultResponse(scenario.alerts[static_cast<std::size_t>(alert)]))
      ++counts.byDefault;
    else if (buttons.count(last) > 0)
      ++counts.byButton;
  }
  return counts;
}

}  // namespace kxua::demo
