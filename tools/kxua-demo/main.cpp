// kxua-demo: runs a scenario file through the library with the testbed as the
// product and writes what happened to a JSON report.
//
//   kxua-demo SCENARIO.json [--out FOLDER] [--dll PATH]
//
// Exit codes: 0 after a run, 1 when the library ran nothing, 2 for a bad scenario
// or bad arguments.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>

#include "tools/kxua-demo/driver.h"

int main(int argc, char** argv) {
  using namespace kxua::demo;
  std::string scenarioPath, out = "kxua-demo-out", dll;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--out" || arg == "--dll") && i + 1 < argc)
      (arg == "--out" ? out : dll) = argv[++i];
    else if (scenarioPath.empty() && arg.rfind("--", 0) != 0)
      scenarioPath = arg;
    else {
      std::cerr << "usage: kxua-demo SCENARIO.json [--out FOLDER] [--dll PATH]\n";
      return 2;
    }
  }
  if (scenarioPath.empty()) {
    std::cerr << "usage: kxua-demo SCENARIO.json [--out FOLDER] [--dll PATH]\n";
    return 2;
  }
  std::ifstream in(scenarioPath, std::ios::binary);
  if (!in) {
    std::cerr << "kxua-demo: cannot read " << scenarioPath << "\n";
    return 2;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  try {
    const Scenario scenario = ParseScenario(text);
    std::unique_ptr<Target> target = MakeTarget(dll);
    const nlohmann::json report = RunScenario(scenario, *target);
    std::filesystem::create_directories(out);
    const std::filesystem::path reportPath = std::filesystem::path(out) / "report.json";
    std::ofstream(reportPath) << report.dump(2) << "\n";
    std::printf("%s: %zu alert(s) shown, %zu removed, result %d; report: %s\n",
                report["platform"].get<std::string>().c_str(), report["shown"].size(),
                report["removed"].size(), report["result"].get<int>(), reportPath.string().c_str());
    return report["result"].get<int>() == 0 ? 0 : 1;
  } catch (const ScenarioError& error) {
    std::cerr << "kxua-demo: " << scenarioPath << ": " << error.what() << "\n";
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "kxua-demo: " << error.what() << "\n";
    return 2;
  }
}
