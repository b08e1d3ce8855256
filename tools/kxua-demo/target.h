// Where a scenario runs: natively on the simulated platform in virtual time, or on
// Windows in real time against the real DLL. The driver sees only this.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kxua/alerts.h"
#include "platform/platform.h"

namespace kxua::demo {

// What a person sees of the toast.
struct ToastState {
  bool visible = false;
  std::wstring frame;  // the frame class shown, empty when none
  platform::Rect bounds;
  friend bool operator==(const ToastState& a, const ToastState& b) {
    return a.visible == b.visible && a.frame == b.frame && a.bounds == b.bounds;
  }
};

class Target {
 public:
  virtual ~Target() = default;
  virtual const char* Name() const = 0;
  // Runs `action` on the run's thread `ms` milliseconds after the run started.
  virtual void At(std::uint64_t ms, std::function<void()> action) = 0;
  // Milliseconds since the run started.
  virtual std::uint64_t Now() = 0;
  virtual std::int64_t UnixTime() = 0;
  virtual std::optional<ToastState> Toast() = 0;
  // What the toast shows now, once its pending paints are done (so a toast just
  // shown comes with its first paint); none when no toast shows.
  virtual std::optional<platform::Bitmap> Picture() = 0;
  virtual void PressKey(std::uint32_t key) = 0;
  // The centre of the shown frame's control of that name (case ignored), in the
  // frame window's client coordinates, as that window answers kFindControlMessage;
  // none when no frame or no such control shows.
  virtual std::optional<platform::Point> FindControl(const std::wstring& name) = 0;
  // The mouse over the shown frame's window at client coordinates: resting there,
  // or pressing and releasing the left button there.
  virtual void Hover(platform::Point at) = 0;
  virtual void Click(platform::Point at) = 0;
  // Drags the toast by its header through the system's move loop until its top-left
  // corner is at `to` on the screen.
  virtual void Drag(platform::Point to) = 0;
  // Installs the testbed's demo brand as the product's setup would: the setup's
  // registry values (with `language` as the install language), the branding files,
  // and in the installation folder the resource library and the companion library
  // stand-in. Whatever it installed is gone again when the target is.
  virtual void InstallDemoBrand(const std::wstring& language) = 0;
  // Every call the companion library stand-in received so far, one line each (see
  // testbed/companion_library.h); none without the demo brand.
  virtual std::vector<std::wstring> CompanionCalls() = 0;
  // Puts a full-screen program in front of the desktop, or takes it away (then the
  // desktop is as it was); false when this target cannot.
  virtual bool SetFullScreen(bool on) = 0;
  // Between runs: lets time pass until `ms` after the start, serving what is due.
  virtual void WaitUntil(std::uint64_t ms) = 0;
  // The library's two entry points.
  virtual std::int32_t Initialize(IUIAlertsManager* manager, IUnknown* context) = 0;
  virtual std::int32_t Finalize() = 0;
};

// The target of this build: the simulation natively, the DLL at `dllPath` (or by
// its bare name) on Windows.
std::unique_ptr<Target> MakeTarget(const std::string& dllPath);

}  // namespace kxua::demo
