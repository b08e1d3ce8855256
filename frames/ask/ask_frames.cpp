#include "frames/ask/ask_frames.h"

#include "frames/ask/tfr_firewall_ask.h"
#include "frames/ask/tfrm_app_control_denied.h"
#include "frames/ask/tfrm_ask_folder_access.h"
#include "frames/ask/tfrm_ask_to_user.h"
#include "frames/ask/tt_untrusted_file.h"
#include "frames/ask/ttf_app_control_ask.h"
#include "kxua/values.h"

namespace kxua {

namespace {
template <class Frame>
std::unique_ptr<AlertFrame> Make(const FrameInput& input) {
  return std::make_unique<Frame>(input);
}
}  // namespace

void RegisterAskFrames(FrameRegistry& registry) {
  registry.Register(ListAlerts, alerts_form::TfrFirewallAsk, Make<TfrFirewallAsk>);
  registry.Register(ListAlerts, alerts_form::TfrmAskToUser, Make<TfrmAskToUser>);
  registry.Register(ListAlerts, alerts_form::TfrmAskFolderAccess, Make<TfrmAskFolderAccess>);
  registry.Register(ListAlerts, alerts_form::TTUntrustedFile, Make<TTUntrustedFile>);
  registry.Register(ListAlerts, alerts_form::TTfAppControlAsk, Make<TTfAppControlAsk>);
  registry.Register(ListNotifications, notifications_form::TfrmAppControlDenied, Make<TfrmAppControlDenied>);
}

}  // namespace kxua
