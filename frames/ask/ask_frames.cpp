#include "frames/ask/ask_frames.h"

#include "frames/ask/tfr_firewall_ask.h"
#include "frames/ask/tfrm_app_control_denied.h"
#include "frames/ask/tfrm_ask_folder_access.h"
#include "frames/ask/tfrm_ask_to_user.h"
#include "frames/ask/tt_untrusted_file.h"
#include "frames/ask/ttf_app_control_ask.h"
#include "kxua/values.h"

namespace kxua {

void RegisterAskFrames(FrameRegistry& registry) {
  registry.Register<TfrFirewallAsk>(ListAlerts, alerts_form::TfrFirewallAsk);
  registry.Register<TfrmAskToUser>(ListAlerts, alerts_form::TfrmAskToUser);
  registry.Register<TfrmAskFolderAccess>(ListAlerts, alerts_form::TfrmAskFolderAccess);
  registry.Register<TTUntrustedFile>(ListAlerts, alerts_form::TTUntrustedFile);
  registry.Register<TTfAppControlAsk>(ListAlerts, alerts_form::TTfAppControlAsk);
  registry.Register<TfrmAppControlDenied>(ListNotifications, notifications_form::TfrmAppControlDenied);
}

}  // namespace kxua
