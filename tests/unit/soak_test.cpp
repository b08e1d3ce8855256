// Soak: thousands of generated alerts, inputs and bad values through the library on
// the simulation, and the checks that judge such a run.
#include <gtest/gtest.h>

#include "branded_run_fixture.h"
#include "tools/kxua-demo/driver.h"
#include "tools/kxua-demo/generator.h"
#include "tools/kxua-demo/soak_check.h"

namespace kxua::demo {
namespace {

using nlohmann::json;

TEST(SoakGenerator, TheSameSeedGivesTheSameScenario) {
  EXPECT_EQ(GenerateScenario(7, 300), GenerateScenario(7, 300));
  EXPECT_NE(GenerateScenario(7, 300), GenerateScenario(8, 300));
  const Scenario scenario = ParseScenario(GenerateScenario(7, 300).dump());
  EXPECT_EQ(300u, scenario.alerts.size());
  EXPECT_FALSE(scenario.input.empty());
  EXPECT_FALSE(scenario.fullScreen.empty());
}

// The checks catch each kind of fault in a report (here made by hand).
TEST(SoakCheck, EachBrokenInvariantIsNamed) {
  const Scenario scenario = ParseScenario(R"({"alerts": [
      {"values": {"DefaultResponse": 1005}}, {"values": {"DefaultResponse": 1006}}],
      "input": [{"at": 10, "click": "KXZEBUTTONREBOOT"}]})");
  const auto removed = [](json first, json second) {
    return json::array({{{"list", "alerts"},
                         {"notifications", {{{"alert", 0}, {"responses", first}}}}},
                        {{"list", "alerts"},
                         {"notifications", {{{"alert", 1}, {"responses", second}}}}}});
  };
  const json inside = {{"bounds", {{"left", 1613}, {"top", 933}, {"width", 302}, {"height", 102}}}};
  const auto report = [&](json removals) {
    return json{{"result", 0}, {"shown", {inside}}, {"removed", removals},
                {"pending", {{"alerts", 0}, {"notifications", 0}, {"campaigns", 0}}}};
  };
  // Answered with its default, and by the restart button the scenario clicks.
  EXPECT_EQ(std::vector<std::string>{}, CheckSoak(scenario, report(removed({1005}, {0, 6}))));
  struct Case {
    const char* name;
    json report;
    const char* broken;
  } cases[] = {
      {"another alert's default", report(removed({1006}, {})), "alert 0 was answered 1006"},
      {"a code no button wrote", report(removed({}, {4})), "alert 1 was answered 4"},
      {"removed twice",
       report(json::array({removed({}, {})[0], removed({}, {})[0], removed({}, {})[1]})),
       "alert 0 was removed 2 times"},
      {"never removed", report(json::array({removed({}, {})[0]})), "alert 1 was removed 0 times"},
      {"a stranger removed",
       report(json::array({removed({}, {})[0], removed({}, {})[1],
                           {{"list", "alerts"},
                            {"notifications", {{{"alert", -1}, {"responses", json::array()}}}}}})),
       "a notification the scenario did not make was removed"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> broken = CheckSoak(scenario, c.report);
    ASSERT_EQ(1u, broken.size()) << c.name;
    EXPECT_EQ(c.broken, broken[0]) << c.name;
  }
  json pending = report(removed({}, {}));
  pending["pending"]["notifications"] = 2;
  pending["result"] = 1;
  EXPECT_EQ((std::vector<std::string>{"the last run's result is 1", "2 pending in notifications at the end"}),
            CheckSoak(scenario, pending));
  // Toasts outside the 1920 x 1040 work area, on any side.
  json outside = report(removed({}, {}));
  for (const auto& [left, top] : {std::pair{-1, 0}, {0, -1}, {1619, 0}, {0, 939}}) {
    json shown = inside;
    shown["bounds"]["left"] = left;
    shown["bounds"]["top"] = top;
    outside["shown"].push_back(shown);
  }
  const std::vector<std::string> broken = CheckSoak(scenario, outside);
  ASSERT_EQ(4u, broken.size());
  EXPECT_EQ("shown[1] lies outside the work area: "
            R"({"height":102,"left":-1,"top":0,"width":302})", broken[0]);
  // Without the click, 6 is no button's answer.
  const Scenario noClick = ParseScenario(R"({"alerts": [{}, {}]})");
  EXPECT_EQ(std::vector<std::string>{"alert 1 was answered 6"},
            CheckSoak(noClick, report(removed({}, {6}))));
}

TEST_F(BrandedRunTest, SoakOfThousandsOfRandomAlertsKeepsEveryInvariant) {
  // Enough to meet every frame, bad value, input and full-screen period many times;
  // few enough for the sanitizer build in CI. scripts/soak.sh runs longer ones.
  constexpr std::size_t kAlerts = 3000;
  const Scenario scenario = ParseScenario(GenerateScenario(18, kAlerts).dump());
  auto target = MakeTarget("");
  const json report = RunScenario(scenario, *target);
  EXPECT_EQ(std::vector<std::string>{}, CheckSoak(scenario, report));
  const SoakCounts counts = CountSoak(scenario, report);
  EXPECT_GT(counts.shown, 0u);
  EXPECT_GT(counts.byDefault, 0u) << "alerts met a full-screen program in game mode";
  EXPECT_GT(counts.byButton, 0u) << "the restart button answered";
  EXPECT_GT(counts.withZero, 0u) << "alerts expired";
}

}  // namespace
}  // namespace kxua::demo
