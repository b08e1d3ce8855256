// kxua-demo: runs a scenario file through the library with the testbed as the
// product and writes what happened to a JSON report, with a PNG of the toast beside
// it for every time it showed something new.
//
//   kxua-demo SCENARIO.json [--out FOLDER] [--dll PATH]
//
// Exit codes: 0 after a run, 1 when the library ran nothing, 2 for a bad scenario
// or bad arguments.
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/kxua-demo/driver.h"

namespace {

// A picture an earlier run left in the folder ("NN-Frame.png"), which this run's
// report would not name.
bool IsOldPicture(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  const std::size_t dash = name.find('-');
  if (dash == std::string::npos || dash < 2 || name.size() < dash + 6 ||
      name.compare(name.size() - 4, 4, ".png") != 0)
    return false;
  for (std::size_t i = 0; i < name.size() - 4; ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (i < dash ? !std::isdigit(c) : i > dash && !std::isalnum(c) && c != '_') return false;
  }
  return true;
}

}  // namespace

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
    std::vector<Picture> pictures;
    const nlohmann::json report = RunScenario(scenario, *target, pictures);
    std::filesystem::create_directories(out);
    for (const auto& entry : std::filesystem::directory_iterator(out))
      if (entry.is_regular_file() && IsOldPicture(entry.path())) std::filesystem::remove(entry.path());
    for (const Picture& picture : pictures) {
      std::ofstream file(std::filesystem::path(out) / picture.name, std::ios::binary);
      file.write(reinterpret_cast<const char*>(picture.png.data()),
                 static_cast<std::streamsize>(picture.png.size()));
      if (!file) throw std::runtime_error("cannot write " + picture.name + " in " + out);
    }
    const std::filesystem::path reportPath = std::filesystem::path(out) / "report.json";
    std::ofstream(reportPath) << report.dump(2) << "\n";
    std::printf("%s: %zu alert(s) shown, %zu removed, result %d; report: %s; %zu picture(s) "
                "beside it\n",
                report["platform"].get<std::string>().c_str(), report["shown"].size(),
                report["removed"].size(), report["result"].get<int>(), reportPath.string().c_str(),
                pictures.size());
    return report["result"].get<int>() == 0 ? 0 : 1;
  } catch (const ScenarioError& error) {
    std::cerr << "kxua-demo: " << scenarioPath << ": " << error.what() << "\n";
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "kxua-demo: " << error.what() << "\n";
    return 2;
  }
}
