#include "frames/common/alert_frame.h"
#include "kxua/values.h"
#include "model/actions.h"
#include "model/notification.h"
#include "model/path_conversion.h"

namespace kxua {

AlertFrame::Handlers AlertFrame::ProgramLinkHandlers(const std::wstring& control) {
  const std::string name(control.begin(), control.end());
  const auto setHint = [this, control](bool entering) {
    return [this, control, entering](const ui::Event&) {
      auto* link = Find<ui::Control>(control);
      IUINotification* notification = Shown();
      if (link == nullptr || (entering && notification == nullptr)) return;
      link->SetHint(entering ? ToWin32Path(ReadText(notification, key::Path, kLongText)) : L"");
    };
  };
  return {
      {name + "AnchorEnter", setHint(true)},
      {name + "AnchorExit", setHint(false)},
      {name + "AnchorClick",
       [this](const ui::Event&) {
         // The product's action takes the path as the notification gives it.
         if (IUINotification* notification = Shown())
           OpenShellFolder(Context(), ReadText(notification, key::Path, kLongText));
       }},
  };
}

}  // namespace kxua
