#include "frames/common/file_properties.h"

#include <utility>

#include "frames/common/alert_constants.h"
#include "model/actions.h"

namespace kxua {

namespace {

// The first dialog of this process among the top-level windows; 0 when none.
platform::WindowHandle FindOwnDialog(platform::Platform& system) {
  const std::uint32_t process = system.ProcessId();
  for (const platform::TopLevelWindow& window : system.TopLevelWindows())
    if (window.className == kDialogClassName && window.processId == process) return window.handle;
  return 0;
}

// Holds the picture disabled and the hourglass up for the length of a request, on
// every way out of it; an owner freed meanwhile is left alone.
class PropertiesRequestScope {
 public:
  PropertiesRequestScope(PropertiesOwner& owner, std::shared_ptr<bool> alive)
      : owner_(owner), alive_(std::move(alive)) {
    owner_.EnablePropertiesPicture(false);
  }
  ~PropertiesRequestScope() {
    platform::Get().SetCursor(platform::Cursor::Arrow);
    if (*alive_) owner_.EnablePropertiesPicture(true);
  }
  PropertiesRequestScope(const PropertiesRequestScope&) = delete;
  PropertiesRequestScope& operator=(const PropertiesRequestScope&) = delete;

 private:
  PropertiesOwner& owner_;
  std::shared_ptr<bool> alive_;
};

}  // namespace

void ShowFileProperties(IZYMApplicationContext* context, IUINotification* notification,
                        PropertiesOwner& owner) {
  if (context == nullptr) return;
  platform::Platform& system = platform::Get();
  const std::shared_ptr<bool> alive = owner.alive_;
  PropertiesRequestScope scope(owner, alive);
  if (owner.propertiesWindow != 0) {
    system.SendMessage(owner.propertiesWindow, platform::msg::Close, 0, 0);
    owner.propertiesWindow = 0;
  }
  system.SetCursor(platform::Cursor::HourGlass);
  // Without a request there is no dialog to wait for.
  if (!RequestFileProperties(context, notification)) return;

  // The dialog comes up asynchronously, from another thread of this process.
  const std::uint64_t start = system.TickCount();
  for (;;) {
    system.ProcessPendingMessages();
    if (!*alive) return;
    if (platform::WindowHandle dialog = FindOwnDialog(system)) {
      owner.propertiesWindow = dialog;
      // Issued three times over, as alerts always have; repeating it is harmless.
      for (int i = 0; i < 3; ++i) system.MakeTopMost(dialog);
      return;
    }
    if (system.TickCount() - start >= kPropertiesWaitMs) return;
    system.Sleep(kPropertiesPollMs);
  }
}

}  // namespace kxua
