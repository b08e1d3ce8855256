#include "tools/kxua-demo/driver.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <numeric>
#include <optional>
#include <vector>

#include "kxua/values.h"
#include "model/utf8.h"
#include "testbed/product.h"

namespace kxua::demo {

namespace {

using nlohmann::json;

const char* ListName(std::int32_t list) {
  switch (list) {
    case ListAlerts: return "alerts";
    case ListNotifications: return "notifications";
    case ListCampaigns: return "campaigns";
    default: return "unknown";
  }
}

json BoundsJson(const platform::Rect& r) {
  return {{"left", r.left}, {"top", r.top}, {"width", r.Width()}, {"height", r.Height()}};
}

// A VARIANT the product received: its type and its text or number (an object only
// by its type).
json ValueJson(const testbed::RecordedValue& value) {
  json out = {{"type", value.type}};
  if (value.type == VT_BSTR)
    out["text"] = Utf8FromWide(value.text);
  else if (!value.object)
    out["number"] = value.number;
  return out;
}

std::shared_ptr<testbed::Notification> MakeNotification(const AlertEvent& event, std::int64_t start) {
  auto notification = std::make_shared<testbed::Notification>();
  for (const Value& v : event.values) {
    std::visit(
        [&](const auto& value) {
          using T = std::decay_t<decltype(value)>;
          if constexpr (std::is_same_v<T, std::wstring>) notification->SetText(v.name, value);
          if constexpr (std::is_same_v<T, std::int32_t>) notification->SetNumber(v.name, value);
          if constexpr (std::is_same_v<T, std::uint64_t>) notification->SetNumber64(v.name, value);
          if constexpr (std::is_same_v<T, bool>) notification->SetFlag(v.name, value);
          if constexpr (std::is_same_v<T, Value::SecondsFromStart>)
            notification->SetNumber(v.name, static_cast<std::int32_t>(static_cast<std::uint32_t>(
                                                start + value.seconds)));
        },
        v.value);
  }
  return notification;
}

// Moments are written as 32-bit Unix time (read back unsigned); one that does not fit
// from this start is refused before anything runs, never wrapped.
void CheckMoments(const Scenario& scenario, std::int64_t start) {
  for (std::size_t i = 0; i < scenario.alerts.size(); ++i)
    for (const Value& v : scenario.alerts[i].values)
      if (const auto* moment = std::get_if<Value::SecondsFromStart>(&v.value)) {
        const std::int64_t at = start + moment->seconds;
        if (at < 0 || at > std::int64_t{UINT32_MAX})
          throw ScenarioError("alerts[" + std::to_string(i) + "]: \"" + Utf8FromWide(v.name) +
                              "\": " + std::to_string(moment->seconds) +
                              " seconds from the start is outside 32-bit Unix time");
      }
}

// The file name of the picture of the `order`th shown entry (from 1). Frame class
// names are identifiers; anything else in one is not let into a file name.
std::string PictureName(std::size_t order, const std::wstring& frame) {
  std::string name;
  for (wchar_t c : frame)
    name += (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')
                ? static_cast<char>(c)
                : '_';
  char number[24];
  std::snprintf(number, sizeof number, "%02zu-", order);
  return number + name + ".png";
}

// Everything the run does to the product and the screen, as it happens.
class Recorder {
 public:
  Recorder(const Scenario& scenario, std::int64_t start, Target& target,
           testbed::Product& product, std::vector<Picture>& pictures)
      : scenario_(scenario),
        target_(target),
        product_(product),
        pictures_(pictures),
        start_(start) {}

  void Arrive(std::size_t index) {
    if (arrived_[index]) return;
    arrived_[index] = true;
    const AlertEvent& event = scenario_.alerts[index];
    auto notification = MakeNotification(event, start_);
    alertOf_[notification.get()] = index;
    notifications_.push_back(notification);
    // Between runs nobody listens: the next run checks once by itself.
    const auto signal = inRun_ ? testbed::Signal::NewAlert : testbed::Signal::None;
    if (event.list == ListNotifications)
      product_.Manager().AddNotification(notification, signal);
    else
      product_.Manager().Add(event.list, notification, signal);
  }

  void Sample() {
    std::optional<ToastState> state = target_.Toast();
    if (state && state->visible && !state->frame.empty() && !(last_ && *last_ == *state)) {
      json entry = {{"at", target_.Now()},
                    {"frame", Utf8FromWide(state->frame)},
                    {"bounds", BoundsJson(state->bounds)}};
      if (std::optional<platform::Bitmap> picture = target_.Picture()) {
        std::vector<std::uint8_t> png = platform::Get().EncodePng(*picture);
        if (!png.empty()) {
          entry["picture"] = PictureName(shown_.size() + 1, state->frame);
          pictures_.push_back({entry["picture"], std::move(png)});
        }
      }
      shown_.push_back(std::move(entry));
    }
    last_ = state;
    if (running_) target_.At(target_.Now() + kSampleInterval, [this] { Sample(); });
  }

  json Run() {
    arrived_.assign(scenario_.alerts.size(), false);
    byTime_.resize(scenario_.alerts.size());
    std::iota(byTime_.begin(), byTime_.end(), std::size_t{0});
    std::stable_sort(byTime_.begin(), byTime_.end(), [this](std::size_t a, std::size_t b) {
      return scenario_.alerts[a].at < scenario_.alerts[b].at;
    });
    // Before the alerts, so that an alert arriving as a period begins meets it.
    for (const FullScreenPeriod& period : scenario_.fullScreen) {
      if (period.at == 0)
        FullScreen(&period);
      else
        target_.At(period.at, [this, &period] { FullScreen(&period); });
      target_.At(period.until, [this] { FullScreen(nullptr); });
    }
    for (std::size_t i = 0; i < scenario_.alerts.size(); ++i) {
      if (scenario_.alerts[i].at == 0)
        Arrive(i);
      else
        target_.At(scenario_.alerts[i].at, [this, i] { Arrive(i); });
    }
    for (const InputEvent& input : scenario_.input) {
      target_.At(input.at, [this, input] { Play(input); });
    }
    target_.At(scenario_.end, [this] { target_.Finalize(); });
    target_.At(0, [this] { Sample(); });
    running_ = true;
    // As the product does: a run whenever alerts are pending, until the end.
    std::int32_t result = 0;
    for (;;) {
      IUnknown* context = product_.Context();
      context->AddRef();  // the call's reference
      const std::size_t removals = product_.Manager().RemovalCount();
      inRun_ = true;
      result = target_.Initialize(&product_.Manager(), context);
      inRun_ = false;
      ++runs_;
      if (result != 0 || target_.Now() >= scenario_.end) break;
      // Alerts whose time came while the run was closing (the system may hold the
      // thread then) are queued now; they wait for the next run, which the product
      // starts at once. Only after a run that got somewhere: one that left its
      // alerts where they were would do so again.
      ArriveDue();
      if (Pending() > 0 && product_.Manager().RemovalCount() > removals) continue;
      std::optional<std::uint64_t> next = NextArrival();
      if (!next || *next >= scenario_.end) break;
      target_.WaitUntil(*next);
    }
    running_ = false;
    return Report(result, target_.Now());
  }

 private:
  void Play(const InputEvent& input) {
    switch (input.kind) {
      case InputEvent::Kind::Key: target_.PressKey(input.key); break;
      case InputEvent::Kind::Finalize: target_.Finalize(); break;
      case InputEvent::Kind::Drag: target_.Drag({input.x, input.y}); break;
      case InputEvent::Kind::Click:
      case InputEvent::Kind::Hover:
        if (std::optional<platform::Point> at = target_.FindControl(input.control)) {
          if (input.kind == InputEvent::Kind::Click)
            target_.Click(*at);
          else
            target_.Hover(*at);
        } else {
          // A scenario that points at nothing is worth telling, not worth stopping.
          missed_.push_back({{"at", target_.Now()}, {"control", Utf8FromWide(input.control)}});
        }
        break;
    }
  }

  // The desktop and the product's game-mode setting during `period`, or outside
  // every period (null).
  void FullScreen(const FullScreenPeriod* period) {
    // The configuration items of game mode: switched on, and active.
    constexpr LONG kGameModeSwitchedOn = 0, kGameModeActive = 0x0400995C;
    target_.SetFullScreen(period != nullptr);
    for (LONG item : {kGameModeSwitchedOn, kGameModeActive}) {
      if (period != nullptr)
        product_.Config().SetFlag(item, period->gameMode);
      else
        product_.Config().Remove(item);
    }
  }

  std::size_t Pending() const {
    std::size_t pending = 0;
    for (std::int32_t list : {ListAlerts, ListNotifications, ListCampaigns})
      pending += product_.Manager().Pending(list);
    return pending;
  }

  // The first alert in time order that has not arrived, if any; the ones before it
  // all have.
  std::optional<std::size_t> NextToArrive() {
    while (nextToArrive_ < byTime_.size() && arrived_[byTime_[nextToArrive_]]) ++nextToArrive_;
    if (nextToArrive_ == byTime_.size()) return std::nullopt;
    return byTime_[nextToArrive_];
  }

  // Queues every alert whose time has come, in the scenario's order.
  void ArriveDue() {
    NextToArrive();
    std::vector<std::size_t> due;
    for (std::size_t i = nextToArrive_; i < byTime_.size(); ++i) {
      const std::size_t alert = byTime_[i];
      if (scenario_.alerts[alert].at > target_.Now()) break;
      if (!arrived_[alert]) due.push_back(alert);
    }
    std::sort(due.begin(), due.end());
    for (std::size_t alert : due) Arrive(alert);
  }

  // When the next alert of the scenario arrives, if any is still to come.
  std::optional<std::uint64_t> NextArrival() {
    const std::optional<std::size_t> next = NextToArrive();
    if (!next) return std::nullopt;
    return scenario_.alerts[*next].at;
  }

  json Report(std::int32_t result, std::uint64_t duration) const {
    json removed = json::array();
    for (const auto& removal : product_.Manager().Removals()) {
      json alerts = json::array();
      for (std::size_t i = 0; auto notification = removal.source->At(i); ++i) {
        auto it = alertOf_.find(notification.get());
        alerts.push_back({{"alert", it == alertOf_.end() ? -1 : static_cast<long>(it->second)},
                          {"responses", notification->Responses()}});
      }
      removed.push_back({{"list", ListName(removal.list)}, {"notifications", alerts}});
    }
    json actions = json::array();
    for (const auto& request : product_.Actions().Requests()) {
      json argument = ValueJson(request.argument);
      if (request.argument.object) argument["object"] = Utf8FromWide(request.objectName);
      actions.push_back({{"action", Utf8FromWide(request.action)}, {"argument", argument}});
    }
    json tracking = json::array();
    for (const auto& call : product_.Tracking().Calls()) {
      json entry = {{"call", Utf8FromWide(call.method)}, {"arguments", json::array()}};
      for (const auto& argument : call.arguments) entry["arguments"].push_back(ValueJson(argument));
      for (const auto& [name, value] : call.parameters)
        entry["parameters"][Utf8FromWide(name)] = ValueJson(value);
      tracking.push_back(std::move(entry));
    }
    json modernToasts = json::array();
    for (const std::wstring& call : target_.CompanionCalls()) modernToasts.push_back(Utf8FromWide(call));
    json pending = json::object();
    for (std::int32_t list : {ListAlerts, ListNotifications, ListCampaigns})
      pending[ListName(list)] = product_.Manager().Pending(list);
    return {{"platform", target_.Name()}, {"result", result},     {"durationMs", duration},
            {"runs", runs_},
            {"shown", shown_},            {"removed", removed},   {"actions", actions},
            {"tracking", tracking},       {"modernToasts", modernToasts},
            {"pending", pending},         {"missedInput", missed_}};
  }

  const Scenario& scenario_;
  Target& target_;
  testbed::Product& product_;
  std::vector<Picture>& pictures_;
  const std::int64_t start_;  // Unix time
  bool running_ = false;  // the scenario is being played
  bool inRun_ = false;    // the library's loop is running
  int runs_ = 0;
  std::vector<bool> arrived_;  // per alert of the scenario: queued
  std::vector<std::size_t> byTime_;  // the alerts by arrival time, ties in their order
  std::size_t nextToArrive_ = 0;     // into byTime_: every alert before it arrived
  std::vector<std::shared_ptr<testbed::Notification>> notifications_;
  std::map<const testbed::Notification*, std::size_t> alertOf_;
  std::optional<ToastState> last_;
  json shown_ = json::array();
  json missed_ = json::array();  // clicks and hovers whose control did not show
};

}  // namespace

json RunScenario(const Scenario& scenario, Target& target, std::vector<Picture>& pictures) {
  const std::int64_t start = target.UnixTime();
  CheckMoments(scenario, start);
  if (!scenario.fullScreen.empty() && !target.SetFullScreen(false))
    throw ScenarioError(std::string("fullScreen: the ") + target.Name() +
                        " target cannot put a full-screen program in front; run this "
                        "scenario on the simulation");
  testbed::Product product(scenario.language);
  // What the library gets when it makes a context of its own, as the product
  // information does.
  testbed::ContextClassRegistration contextClass(product.Context());
  if (scenario.brand == Brand::Demo) target.InstallDemoBrand(scenario.language);
  Recorder recorder(scenario, start, target, product, pictures);
  return recorder.Run();
}

json RunScenario(const Scenario& scenario, Target& target) {
  std::vector<Picture> pictures;
  return RunScenario(scenario, target, pictures);
}

}  // namespace kxua::demo
