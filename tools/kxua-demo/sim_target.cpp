// The demo natively: the library on the simulated platform, in virtual time, so a
// scenario of minutes runs at once and the same way every time.
#include <memory>

#include "kxua/KXUAAlerts.h"
#include "platform/sim/sim_platform.h"
#include "tools/kxua-demo/target.h"

namespace kxua::demo {

namespace {

class SimTarget final : public Target {
 public:
  SimTarget() { platform::Install(&sim_); }
  ~SimTarget() override { platform::Install(nullptr); }

  const char* Name() const override { return "simulation"; }
  void At(std::uint64_t ms, std::function<void()> action) override {
    sim_.At(ms > Now() ? ms - Now() : 0, std::move(action));
  }
  std::uint64_t Now() override { return sim_.TickCount(); }
  std::int64_t UnixTime() override { return sim_.UnixTime(); }

  std::optional<ToastState> Toast() override {
    const sim::SimWindow* toast = nullptr;
    for (const auto& [handle, window] : sim_.Windows())
      if (window.parent == 0 && window.title == L"TToastMainForm") toast = &window;
    if (toast == nullptr) return std::nullopt;
    ToastState state{toast->visible, {}, toast->bounds};
    for (const auto& [handle, window] : sim_.Windows())
      if (window.parent == toast->handle && window.visible) state.frame = window.title;
    return state;
  }

  void PressKey(std::uint32_t key) override {
    for (const auto& [handle, window] : sim_.Windows())
      if (window.parent == 0 && window.title == L"TToastMainForm")
        sim_.PostMessage(handle, platform::msg::KeyDown, key, 0);
  }

  void WaitUntil(std::uint64_t ms) override {
    if (ms > Now()) sim_.RunFor(ms - Now());
  }

  std::int32_t Initialize(IUIAlertsManager* manager, IUnknown* context) override {
    return KXUA_Initialize(manager, context);
  }
  std::int32_t Finalize() override { return KXUA_Finalize(); }

 private:
  sim::SimPlatform sim_;
};

}  // namespace

std::unique_ptr<Target> MakeTarget(const std::string&) { return std::make_unique<SimTarget>(); }

}  // namespace kxua::demo
