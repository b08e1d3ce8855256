// The demo natively: the library on the simulated platform, in virtual time, so a
// scenario of minutes runs at once and the same way every time.
#include <memory>

#include "frames/common/find_control.h"
#include "kxua/KXUAAlerts.h"
#include "kxua/companion.h"
#include "platform/sim/sim_platform.h"
#include "testbed/companion_library.h"
#include "testbed/companion_sim.h"
#include "testbed/demo_brand.h"
#include "testbed/resources.h"
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
    const sim::SimWindow* toast = FindToast();
    if (toast == nullptr) return std::nullopt;
    ToastState state{toast->visible, {}, toast->bounds};
    if (const sim::SimWindow* frame = ShownFrame()) state.frame = frame->title;
    return state;
  }

  // Drawn from the display lists: see SimPlatform::CaptureWindow.
  std::optional<platform::Bitmap> Picture() override {
    const sim::SimWindow* toast = FindToast();
    if (toast == nullptr) return std::nullopt;
    return sim_.CaptureWindow(toast->handle);
  }

  void PressKey(std::uint32_t key) override {
    if (const sim::SimWindow* toast = FindToast())
      sim_.PostMessage(toast->handle, platform::msg::KeyDown, key, 0);
  }

  std::optional<platform::Point> FindControl(const std::wstring& name) override {
    const sim::SimWindow* frame = ShownFrame();
    if (frame == nullptr) return std::nullopt;
    const std::uint16_t atom = sim_.AddGlobalAtom(name);
    const std::intptr_t answer =
        sim_.SendMessage(frame->handle, sim_.RegisterMessage(kFindControlMessage), atom, 0);
    sim_.DeleteGlobalAtom(atom);
    return UnpackControlCentre(answer);
  }

  void Hover(platform::Point at) override {
    if (const sim::SimWindow* frame = ShownFrame()) sim_.MouseMove(frame->handle, at.x, at.y);
  }

  void Click(platform::Point at) override {
    if (const sim::SimWindow* frame = ShownFrame()) sim_.Click(frame->handle, at.x, at.y);
  }

  void Drag(platform::Point to) override {
    const sim::SimWindow* toast = FindToast();
    if (toast == nullptr) return;
    sim_.ScriptDrag({{to.x, to.y}});
    sim_.SendMessage(toast->handle, platform::msg::SysCommand, platform::syscommand::DragMove, 0);
  }

  void InstallDemoBrand(const std::wstring& language) override {
    using testbed::DemoBrand;
    testbed::InstallDemoBrand(sim_, testbed::FileForm::Plain, language);
    const std::wstring install = DemoBrand::kInstallFolder;
    // Some frames load the resource library by its bare name, which the system finds
    // in the product's folder, where the product runs from.
    testbed::RegisterResourceModule(sim_, install + testbed::kResourceLibraryName);
    testbed::RegisterResourceModule(sim_);
    testbed::AddImagesFolder(sim_, DemoBrand::ProductDataFolder() + L"\\res\\Current\\images\\");
    testbed::RegisterCompanionLibrary(sim_, install + kCompanionLibraryName);
    testbed::ResetCompanionLibrary();
    branded_ = true;
  }

  // The stand-in's record is the process's: only a branded run has one of its own.
  std::vector<std::wstring> CompanionCalls() override {
    return branded_ ? testbed::CompanionCalls() : std::vector<std::wstring>();
  }

  // A Direct3D game as the shell reports it; with a game in front the modern desktop
  // is not.
  bool SetFullScreen(bool on) override {
    constexpr int kRunningD3DFullScreen = 3, kAcceptsNotifications = 5;
    sim_.SetNotificationState(on ? kRunningD3DFullScreen : kAcceptsNotifications);
    testbed::SetModernDesktopInFront(!on);
    return true;
  }

  void WaitUntil(std::uint64_t ms) override {
    if (ms > Now()) sim_.RunFor(ms - Now());
  }

  std::int32_t Initialize(IUIAlertsManager* manager, IUnknown* context) override {
    return KXUA_Initialize(manager, context);
  }
  std::int32_t Finalize() override { return KXUA_Finalize(); }

 private:
  // The library's host window, by the name it gives it.
  const sim::SimWindow* FindToast() const {
    for (const auto& [handle, window] : sim_.Windows())
      if (window.parent == 0 && window.title == L"TToastMainForm") return &window;
    return nullptr;
  }
  const sim::SimWindow* ShownFrame() const {
    const sim::SimWindow* toast = FindToast();
    if (toast == nullptr) return nullptr;
    const sim::SimWindow* shown = nullptr;
    for (const auto& [handle, window] : sim_.Windows())
      if (window.parent == toast->handle && window.visible) shown = &window;
    return shown;
  }

  sim::SimPlatform sim_;
  bool branded_ = false;
};

}  // namespace

std::unique_ptr<Target> MakeTarget(const std::string&) { return std::make_unique<SimTarget>(); }

}  // namespace kxua::demo
