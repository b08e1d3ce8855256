// A scenario for the demo runner: alerts that arrive over time, the user's input,
// the product's brand and language. Read from JSON; see the README for the format.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace kxua::demo {

struct Value {
  std::wstring name;
  // Text, 32-bit number, 64-bit number, flag; or seconds from the start of the
  // run, written as a Unix time when the alert arrives.
  struct SecondsFromStart {
    std::int64_t seconds;
  };
  // How far from the start a moment may lie: enough to reach either end of 32-bit
  // Unix time from any start, little enough that start + seconds cannot overflow.
  static constexpr std::int64_t kMomentSpan = 0xFFFFFFFFLL;
  std::variant<std::wstring, std::int32_t, std::uint64_t, bool, SecondsFromStart> value;
};

// The latest moment of a run, in milliseconds: the longest a system timer waits, so
// that every time of a scenario fits the waits of either target.
inline constexpr std::uint64_t kLatestMilliseconds = 0x7FFFFFFF;

struct AlertEvent {
  std::uint64_t at = 0;  // milliseconds from the start of the run
  std::int32_t list = 1;
  std::vector<Value> values;
};

struct InputEvent {
  enum class Kind { Key, Finalize, Click, Hover, Drag };
  std::uint64_t at = 0;
  Kind kind = Kind::Key;
  std::uint32_t key = 0;  // virtual-key code
  std::wstring control;   // Click, Hover: the name of a control of the shown frame
  int x = 0, y = 0;       // Drag: where the toast's top-left corner goes on screen
};

// A full-screen program (a game) in front of the desktop from `at` until `until`,
// milliseconds from the start, with the product's game-mode setting switched on or
// off meanwhile. Outside every period nothing is full-screen and the product leaves
// the setting unset.
struct FullScreenPeriod {
  std::uint64_t at = 0;
  std::uint64_t until = 0;
  bool gameMode = true;
};

// What the product installed before the run: the testbed's demo brand (as the
// product's setup installs it, so that the demo looks like the product), or none.
enum class Brand { Demo, None };

struct Scenario {
  Brand brand = Brand::Demo;
  std::wstring language = L"eng";
  std::vector<AlertEvent> alerts;
  std::vector<InputEvent> input;
  std::vector<FullScreenPeriod> fullScreen;  // in time order, none overlapping
  std::uint64_t end = 60000;  // the run is ended here at the latest
};

class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws ScenarioError naming what is wrong and where: a value of the wrong kind, a
// number out of its range (numbers are never wrapped), an event after the end.
Scenario ParseScenario(const std::string& json);

}  // namespace kxua::demo
