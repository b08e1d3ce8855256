#include "host/alert_loop.h"

namespace kxua {

void RunAlertLoop(TToastMainForm& form) {
  IUIAlertsManager* const manager = form.Manager();
  if (manager != nullptr) manager->SetCallBack(form.CallBack());
  // The run starts with a check of its own: alerts pending before the callback was
  // registered were signalled to nobody.
  form.PostMessage(kMsgCheckAlerts);

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
    form.ApplicationEvents1Message(message);
    windows.TranslateMessage(message);
    windows.DispatchMessage(message);
    if (form.Finalized()) break;
    if (message.id == form.CloseMessage()) {
      if (form.Visible()) form.Close();
      break;
    }
  }
  if (manager != nullptr && !form.Finalized()) manager->SetCallBack(nullptr);
  if (quit) windows.PostQuit(static_cast<int>(message.wParam));
}

}  // namespace kxua
