#include "tools/kxua-demo/scenario.h"

#include <limits>
#include <map>

#include <nlohmann/json.hpp>

#include "kxua/alerts.h"
#include "model/utf8.h"

namespace kxua::demo {

namespace {

using nlohmann::json;

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw ScenarioError(where + ": " + what);
}

std::uint64_t Milliseconds(const json& event, const std::string& where) {
  const json* at = event.contains("at") ? &event["at"] : nullptr;
  if (at == nullptr) return 0;
  if (!at->is_number_unsigned()) Fail(where, "\"at\" must be milliseconds, a whole number >= 0");
  return at->get<std::uint64_t>();
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
    const auto n = v.get<std::int64_t>();
    if (n < std::numeric_limits<std::int32_t>::min() || n > std::numeric_limits<std::int32_t>::max())
      Fail(where, "\"" + name + "\" does not fit 32 bits; write {\"number64\": ...}");
    value.value = static_cast<std::int32_t>(n);
  } else if (v.is_object() && v.size() == 1 && v.contains("number64") && v["number64"].is_number_unsigned()) {
    value.value = v["number64"].get<std::uint64_t>();
  } else if (v.is_object() && v.size() == 1 && v.contains("secondsFromStart") &&
             v["secondsFromStart"].is_number_integer()) {
    value.value = Value::SecondsFromStart{v["secondsFromStart"].get<std::int64_t>()};
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
    else if (key.is_number_unsigned() && key.get<std::uint64_t>() < 256)
      input.key = key.get<std::uint32_t>();
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
      if (!to.is_object() || !to.contains(axis) || !to[axis].is_number_integer() ||
          to[axis].get<std::int64_t>() < -32768 || to[axis].get<std::int64_t>() > 32767)
        Fail(where, "\"drag\" must be {\"x\": X, \"y\": Y}, whole screen coordinates");
      return to[axis].get<int>();
    };
    input.kind = InputEvent::Kind::Drag;
    input.x = coordinate("x");
    input.y = coordinate("y");
  } else {
    Fail(where, "an input event needs \"key\", \"click\", \"hover\", \"drag\" or \"finalize\"");
  }
  return input;
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
    if (!document["end"].is_number_unsigned()) Fail("end", "must be milliseconds, a whole number");
    scenario.end = document["end"].get<std::uint64_t>();
  }
  if (document.contains("alerts")) {
    if (!document["alerts"].is_array()) Fail("alerts", "must be a list");
    std::size_t index = 0;
    for (const json& alert : document["alerts"]) {
      const std::string where = "alerts[" + std::to_string(index++) + "]";
      if (!alert.is_object()) Fail(where, "must be an object");
      AlertEvent event{Milliseconds(alert, where), ListOf(alert, where), {}};
      if (alert.contains("values")) {
        if (!alert["values"].is_object()) Fail(where, "\"values\" must be an object");
        for (const auto& [name, v] : alert["values"].items())
          event.values.push_back(ValueOf(name, v, where));
      }
      scenario.alerts.push_back(std::move(event));
    }
  }
  if (document.contains("input")) {
    if (!document["input"].is_array()) Fail("input", "must be a list");
    std::size_t index = 0;
    for (const json& event : document["input"]) {
      const std::string where = "input[" + std::to_string(index++) + "]";
      if (!event.is_object()) Fail(where, "must be an object");
      scenario.input.push_back(InputOf(event, where));
    }
  }
  return scenario;
}

}  // namespace kxua::demo
