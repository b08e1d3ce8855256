#include "tools/kxua-demo/scenario.h"

#include <limits>
#include <map>
#include <optional>
#include <type_traits>

#include <nlohmann/json.hpp>

#include "kxua/alerts.h"
#include "model/utf8.h"

namespace kxua::demo {

namespace {

using nlohmann::json;

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw ScenarioError(where + ": " + what);
}

// A whole JSON number within [low, high]; none for anything else (a fraction, a text,
// a number out of range), so that no value is wrapped on its way in. The JSON library
// keeps non-negative numbers unsigned and negative ones signed, each exact.
template <class T>
std::optional<T> WholeNumber(const json& v, T low = std::numeric_limits<T>::min(),
                             T high = std::numeric_limits<T>::max()) {
  static_assert(std::is_integral_v<T> && sizeof(T) <= sizeof(std::uint64_t));
  if (v.is_number_unsigned()) {
    const auto n = v.get<std::uint64_t>();
    if constexpr (std::is_signed_v<T>) {
      if (high < 0 || n > static_cast<std::uint64_t>(high)) return std::nullopt;
      if (low > 0 && n < static_cast<std::uint64_t>(low)) return std::nullopt;
    } else {
      if (n < low || n > high) return std::nullopt;
    }
    return static_cast<T>(n);
  }
  if (v.is_number_integer()) {
    const auto n = v.get<std::int64_t>();  // negative here
    if constexpr (std::is_signed_v<T>) {
      if (n < low || n > high) return std::nullopt;
      return static_cast<T>(n);
    }
  }
  return std::nullopt;
}

const std::string kMillisecondsRange = "a whole number of milliseconds from 0 to " +
                                       std::to_string(kLatestMilliseconds);

std::uint64_t Milliseconds(const json& event, const std::string& where) {
  if (!event.contains("at")) return 0;
  const auto at = WholeNumber<std::uint64_t>(event["at"], 0, kLatestMilliseconds);
  if (!at) Fail(where, "\"at\" must be " + kMillisecondsRange);
  return *at;
}

std::int32_t ListOf(const json& alert, const std::string& where) {
  static const std::map<std::string, std::int32_t> lists = {
      {"alerts", ListAlerts}, {"notifications", ListNotifications}, {"campaigns", ListCampaigns}};
  if (!alert.contains("list")) return ListAlerts;
  const json& list = alert["list"];
  if (list.is_string() && lists.count(list.get<std::string>())) return lists.at(list.get<std::string>());
  Fail(where, "\"list\" must be \"alerts\", \"notifications\" or \"campaigns\"");
}

Value ValueOf(const std::string& name, const json& v, const std::string& where) {
  Value value{WideFromUtf8(name), std::int32_t{0}};
  if (v.is_string()) {
    value.value = WideFromUtf8(v.get<std::string>());
  } else if (v.is_boolean()) {
    value.value = v.get<bool>();
  } else if (v.is_number_integer()) {
    const auto n = WholeNumber<std::int32_t>(v);
    if (!n) Fail(where, "\"" + name + "\" does not fit 32 bits; write {\"number64\": ...}");
    value.value = *n;
  } else if (v.is_object() && v.size() == 1 && v.contains("number64") && v["number64"].is_number_unsigned()) {
    value.value = v["number64"].get<std::uint64_t>();
  } else if (v.is_object() && v.size() == 1 && v.contains("secondsFromStart") &&
             v["secondsFromStart"].is_number_integer()) {
    const auto seconds = WholeNumber<std::int64_t>(v["secondsFromStart"], -Value::kMomentSpan,
                                                   Value::kMomentSpan);
    if (!seconds)
      Fail(where, "\"" + name + "\": \"secondsFromStart\" must lie within " +
                      std::to_string(Value::kMomentSpan) + " seconds of the start");
    value.value = Value::SecondsFromStart{*seconds};
  } else {
    Fail(where, "\"" + name + "\" must be a text, a whole number, true or false, "
                "{\"number64\": n} or {\"secondsFromStart\": n}");
  }
  return value;
}

InputEvent InputOf(const json& event, const std::string& where) {
  static const std::map<std::string, std::uint32_t> keys = {
      {"left", 0x25}, {"up", 0x26}, {"right", 0x27}, {"down", 0x28}, {"escape", 0x1B}, {"enter", 0x0D}};
  InputEvent input;
  input.at = Milliseconds(event, where);
  if (event.contains("key")) {
    const json& key = event["key"];
    if (key.is_string() && keys.count(key.get<std::string>()))
      input.key = keys.at(key.get<std::string>());
    else if (const auto code = WholeNumber<std::uint32_t>(key, 0, 255))
      input.key = *code;
    else
      Fail(where, "\"key\" must be a virtual-key code or one of left, up, right, down, escape, enter");
    input.kind = InputEvent::Kind::Key;
  } else if (event.contains("finalize")) {
    input.kind = InputEvent::Kind::Finalize;
  } else if (event.contains("click") || event.contains("hover")) {
    const char* what = event.contains("click") ? "click" : "hover";
    const json& name = event[what];
    if (!name.is_string() || name.get<std::string>().empty())
      Fail(where, std::string("\"") + what + "\" must be the name of a control of the shown frame");
    input.kind = event.contains("click") ? InputEvent::Kind::Click : InputEvent::Kind::Hover;
    input.control = WideFromUtf8(name.get<std::string>());
  } else if (event.contains("drag")) {
    const json& to = event["drag"];
    const auto coordinate = [&](const char* axis) {
      const auto at = to.is_object() && to.contains(axis)
                          ? WholeNumber<int>(to[axis], -32768, 32767)
                          : std::nullopt;
      if (!at)
        Fail(where, "\"drag\" must be {\"x\": X, \"y\": Y}, whole screen coordinates "
                    "from -32768 to 32767");
      return *at;
    };
    input.kind = InputEvent::Kind::Drag;
    input.x = coordinate("x");
    input.y = coordinate("y");
  } else {
    Fail(where, "an input event needs \"key\", \"click\", \"hover\", \"drag\" or \"finalize\"");
  }
  return input;
}

// What comes after the end would never happen, and would leave no trace in the report.
void BeforeEnd(std::uint64_t at, std::uint64_t end, const std::string& where) {
  if (at > end)
    Fail(where, "\"at\" " + std::to_string(at) + " is after the end (" + std::to_string(end) +
                    "), so it would never happen");
}

}  // namespace

Scenario ParseScenario(const std::string& text) {
  const json document = json::parse(text, nullptr, false);
  if (document.is_discarded()) throw ScenarioError("the scenario is not valid JSON");
  if (!document.is_object()) throw ScenarioError("the scenario must be a JSON object");

  Scenario scenario;
  if (document.contains("brand")) {
    const json& brand = document["brand"];
    if (brand == "demo")
      scenario.brand = Brand::Demo;
    else if (brand == "none")
      scenario.brand = Brand::None;
    else
      Fail("brand", "must be \"demo\" or \"none\"");
  }
  if (document.contains("language")) {
    if (!document["language"].is_string()) Fail("language", "must be a text such as \"eng\"");
    scenario.language = WideFromUtf8(document["language"].get<std::string>());
  }
  if (document.contains("end")) {
    const auto end = WholeNumber<std::uint64_t>(document["end"], 0, kLatestMilliseconds);
    if (!end) Fail("end", "must be " + kMillisecondsRange);
    scenario.end = *end;
  }
  if (document.contains("alerts")) {
    if (!document["alerts"].is_array()) Fail("alerts", "must be a list");
    std::size_t index = 0;
    for (const json& alert : document["alerts"]) {
      const std::string where = "alerts[" + std::to_string(index++) + "]";
      if (!alert.is_object()) Fail(where, "must be an object");
      AlertEvent event{Milliseconds(alert, where), ListOf(alert, where), {}};
      BeforeEnd(event.at, scenario.end, where);
      if (alert.contains("values")) {
        if (!alert["values"].is_object()) Fail(where, "\"values\" must be an object");
        for (const auto& [name, v] : alert["values"].items())
          event.values.push_back(ValueOf(name, v, where));
      }
      scenario.alerts.push_back(std::move(event));
    }
  }
  if (document.contains("fullScreen")) {
    if (!document["fullScreen"].is_array()) Fail("fullScreen", "must be a list");
    std::size_t index = 0;
    for (const json& period : document["fullScreen"]) {
      const std::string where = "fullScreen[" + std::to_string(index++) + "]";
      if (!period.is_object()) Fail(where, "must be an object");
      FullScreenPeriod full{Milliseconds(period, where), 0, true};
      BeforeEnd(full.at, scenario.end, where);
      const auto until = period.contains("until")
                             ? WholeNumber<std::uint64_t>(period["until"], full.at + 1,
                                                          kLatestMilliseconds)
                             : std::nullopt;
      if (!until) Fail(where, "\"until\" must be " + kMillisecondsRange + ", after \"at\"");
      full.until = *until;
      if (period.contains("gameMode")) {
        if (!period["gameMode"].is_boolean()) Fail(where, "\"gameMode\" must be true or false");
        full.gameMode = period["gameMode"].get<bool>();
      }
      if (!scenario.fullScreen.empty() && full.at < scenario.fullScreen.back().until)
        Fail(where, "begins before the period before it ends");
      scenario.fullScreen.push_back(full);
    }
  }
  if (document.contains("input")) {
    if (!document["input"].is_array()) Fail("input", "must be a list");
    std::size_t index = 0;
    for (const json& event : document["input"]) {
      const std::string where = "input[" + std::to_string(index++) + "]";
      if (!event.is_object()) Fail(where, "must be an object");
      scenario.input.push_back(InputOf(event, where));
      BeforeEnd(scenario.input.back().at, scenario.end, where);
    }
  }
  return scenario;
}

}  // namespace kxua::demo
