#include "tools/kxua-demo/generator.h"

#include <random>
#include <string>

namespace kxua::demo {

namespace {

using nlohmann::json;

// The engine's sequence is fixed by the standard; the distributions are not, so
// numbers are drawn from it directly.
class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}
  // From 0 to n - 1.
  std::uint64_t Below(std::uint64_t n) { return engine_() % n; }
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return low + static_cast<std::int64_t>(Below(static_cast<std::uint64_t>(high - low) + 1));
  }
  bool Chance(unsigned percent) { return Below(100) < percent; }
  template <class T, std::size_t N>
  const T& Pick(const T (&items)[N]) {
    return items[Below(N)];
  }

 private:
  std::mt19937_64 engine_;
};

// Texts as the product may send them: text ids of the dictionary, markup, format
// directives, long and non-ASCII texts.
json Text(Random& random) {
  static const char* const texts[] = {
      "TITLE_UPDATE_FINISHED", "", "plain words", "<b>bold</b> &amp; <a href=\"x\">link</a>",
      "%1% of %2% %3%", "%s %d %n %%", "\xC3\xB1" "and\xC3\xBA \xF0\x9F\x98\x80", "C:\\Windows\\x.exe",
      "\\Device\\HarddiskVolume2\\a\\b.exe"};
  if (random.Chance(5)) return std::string(static_cast<std::size_t>(random.Between(200, 400)), 'W');
  return random.Pick(texts);
}

// A number of the notification: in range, at its edges, or of the wrong kind.
json Number(Random& random) {
  static const json numbers[] = {0, 1, -1, 7, 2147483647, -2147483648LL, "12", true};
  return random.Pick(numbers);
}

json SingleAlert(Random& random, std::size_t index, std::uint64_t at) {
  // The informative frames, the one that asks (12), and values no frame takes.
  static const json formTypes[] = {13, 10, 5, 4, 19, 12, 12, 12, 99, -1, 2147483647, "13", nullptr};
  const json formType = random.Pick(formTypes);
  json values = {{"TitleText", Text(random)}, {"MainText", Text(random)}};
  if (!formType.is_null()) values["FormType"] = formType;
  if (formType == 12 || random.Chance(10)) values["ResponseNeeded"] = random.Chance(80);
  if (random.Chance(30)) values["FullScreenVisible"] = random.Chance(30);
  if (random.Chance(80)) values["DefaultResponse"] = GeneratedDefaultResponse(index);
  // Expired already, about to, or within the minute; never later, so nothing waits
  // for an answer past the end.
  const std::int64_t arrival = static_cast<std::int64_t>(at / 1000);
  values["AlertExpirationDate"] = {{"secondsFromStart", arrival + random.Between(-10, 60)}};
  if (random.Chance(20)) values["ButtonText"] = Text(random);
  if (random.Chance(20)) values["ButtonAction"] = random.Chance(50) ? "Zym.ExtendedAction" : "none";
  if (random.Chance(10)) values["BytesSize"] = {{"number64", random.Chance(50) ? 0 : UINT64_MAX}};
  if (random.Chance(10)) values["ProductUpdateResult"] = Number(random);
  if (random.Chance(10)) values["TaskName"] = Text(random);
  return {{"at", at}, {"list", "alerts"}, {"values", values}};
}

json Notification(Random& random, std::uint64_t at) {
  static const json formTypes[] = {4, 10, 4, 10, 0, 1, 26, 99, -5};
  json values = {{"FormType", random.Pick(formTypes)}, {"TitleText", Text(random)},
                 {"MainText", Text(random)}};
  if (random.Chance(30)) values["ElementsCounter"] = Text(random);
  if (random.Chance(10)) values["FormType"] = Number(random);
  return {{"at", at}, {"list", "notifications"}, {"values", values}};
}

json Input(Random& random, std::uint64_t at) {
  static const char* const controls[] = {"KXZEBtnClose", kRestartButton, "KXZEBtnClose",
                                         kRestartButton, "ButtonAction", "NoSuchControl"};
  static const char* const keys[] = {"left", "right", "up", "down", "escape", "enter"};
  static const int corners[] = {-32768, -32767, -1, 0, 1, 32766, 32767};
  json input = {{"at", at}};
  const auto kind = random.Below(10);
  if (kind < 6) {
    input["click"] = random.Pick(controls);
  } else if (kind < 8) {
    input["key"] = random.Chance(50) ? json(random.Pick(keys)) : json(random.Below(256));
  } else {
    const auto coordinate = [&] {
      return random.Chance(50) ? random.Pick(corners) : static_cast<int>(random.Between(-2000, 4000));
    };
    input["drag"] = {{"x", coordinate()}, {"y", coordinate()}};
  }
  return input;
}

}  // namespace

std::int32_t GeneratedDefaultResponse(std::size_t alert) {
  // Apart from the codes the frames write, and different for neighbours.
  return 1000 + static_cast<std::int32_t>(alert % 100000);
}

json GenerateScenario(std::uint64_t seed, std::size_t count) {
  Random random(seed);
  json alerts = json::array(), input = json::array(), fullScreen = json::array();
  std::uint64_t at = 0, screenFree = 0;
  for (std::size_t i = 0; i < count; ++i) {
    at += static_cast<std::uint64_t>(random.Between(0, 4000));
    const auto list = random.Below(100);
    if (list < 65)
      alerts.push_back(SingleAlert(random, i, at));
    else if (list < 95)
      alerts.push_back(Notification(random, at));
    else
      alerts.push_back({{"at", at}, {"list", "campaigns"}, {"values", {{"TitleText", Text(random)}}}});
    for (auto n = random.Below(3); n > 0; --n)
      input.push_back(Input(random, at + static_cast<std::uint64_t>(random.Between(0, 6000))));
    // The run is finalized now and then; later alerts start the next one.
    if (i + 1 < count && random.Chance(1))
      input.push_back({{"at", at + static_cast<std::uint64_t>(random.Between(0, 3000))}, {"finalize", true}});
    if (at >= screenFree && random.Chance(3)) {
      const std::uint64_t until = at + static_cast<std::uint64_t>(random.Between(1000, 60000));
      fullScreen.push_back({{"at", at}, {"until", until}, {"gameMode", random.Chance(80)}});
      screenFree = until;
    }
  }
  // Every single alert is answered within a minute of arriving; the queue behind it
  // moves on then.
  const std::uint64_t end = at + 6000 + 120000;
  return {{"end", end}, {"alerts", alerts}, {"input", input}, {"fullScreen", fullScreen}};
}

}  // namespace kxua::demo
