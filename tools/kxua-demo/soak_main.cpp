// kxua-soak: a generated scenario of many random alerts, inputs and bad values run
// through the library on the simulation, its invariants checked and its figures
// printed.
//
//   kxua-soak [--alerts N] [--seed S] [--out FOLDER]
//
// The scenario is written to FOLDER/scenario.json, so that a failing run can be
// replayed with kxua-demo, and the report beside it. Exit codes: 0 when every
// invariant held, 1 when one broke, 2 for bad arguments.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "tools/kxua-demo/driver.h"
#include "tools/kxua-demo/generator.h"
#include "tools/kxua-demo/soak_check.h"

namespace {

bool ParseCount(const char* text, std::uint64_t& value) {
  try {
    std::size_t used = 0;
    const std::string s = text;
    if (s.empty() || s[0] == '-') return false;
    value = std::stoull(s, &used);
    return used == s.size();
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kxua::demo;
  std::uint64_t alerts = 10000, seed = 1;
  std::string out = "kxua-soak-out";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--alerts" && hasValue && ParseCount(argv[i + 1], alerts) && alerts > 0) {
      ++i;
    } else if (arg == "--seed" && hasValue && ParseCount(argv[i + 1], seed)) {
      ++i;
    } else if (arg == "--out" && hasValue) {
      out = argv[++i];
    } else {
      std::cerr << "usage: kxua-soak [--alerts N] [--seed S] [--out FOLDER]\n";
      return 2;
    }
  }
  const nlohmann::json generated = GenerateScenario(seed, alerts);
  std::filesystem::create_directories(out);
  const std::filesystem::path folder(out);
  std::ofstream(folder / "scenario.json") << generated.dump(1) << "\n";

  const std::clock_t cpuStart = std::clock();
  const auto wallStart = std::chrono::steady_clock::now();
  Scenario scenario;
  try {
    scenario = ParseScenario(generated.dump());
  } catch (const ScenarioError& error) {  // so many alerts that their times do not fit
    std::cerr << "kxua-soak: " << error.what() << "\n";
    return 2;
  }
  std::unique_ptr<Target> target = MakeTarget("");
  const nlohmann::json report = RunScenario(scenario, *target);
  const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
  std::ofstream(folder / "report.json") << report.dump(1) << "\n";

  const SoakCounts counts = CountSoak(scenario, report);
  std::printf("seed %llu, %zu alerts: %zu shown, %zu removals, %d runs, %.1f s virtual\n",
              static_cast<unsigned long long>(seed), counts.alerts, counts.shown, counts.removals,
              report["runs"].get<int>(), report["durationMs"].get<double>() / 1000);
  std::printf("answered: %zu (default answer %zu, button %zu, 0 %zu)\n", counts.answered,
              counts.byDefault, counts.byButton, counts.withZero);
  std::printf("time: %.2f s CPU, %.2f s wall; report %zu bytes\n", cpu, wall, report.dump().size());
  const std::vector<std::string> broken = CheckSoak(scenario, report);
  for (const std::string& line : broken) std::printf("BROKEN: %s\n", line.c_str());
  std::printf("%s; scenario and report in %s\n",
              broken.empty() ? "every invariant held" : "invariants broken", out.c_str());
  return broken.empty() ? 0 : 1;
}
