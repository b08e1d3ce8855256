#include "host/alert_loop.h"

namespace kxua {

void RunAlertLoop(TToastMainForm& form) {
  // Nothing of `form` is used once a handler may have destroyed it.
  IUIAlertsManager* const manager = form.Manager();
  const std::uint32_t closeMessage = form.CloseMessage();
  if (manager != nullptr) manager->SetCallBack(form.CallBack());

  platform::Windowing& windows = platform::Get();
  platform::Message message;
  bool quit = false;
  for (;;) {
    const int got = windows.GetMessage(message);
    if (got == 0) {
      quit = true;
      break;
    }
    if (got < 0) continue;  // nothing was retrieved: there is nothing to dispatch
    windows.TranslateMessage(message);
    windows.DispatchMessage(message);
    if (RunningHost() != &form) return;  // destroyed; it unregistered itself
    if (message.id == closeMessage) {
      if (form.Visible()) form.Close();
      break;
    }
  }
  if (manager != nullptr) manager->SetCallBack(nullptr);
  if (quit) windows.PostQuit(static_cast<int>(message.wParam));
}

}  // namespace kxua
