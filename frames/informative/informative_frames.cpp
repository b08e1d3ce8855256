#include "frames/informative/informative_frames.h"

#include "frames/informative/tfr_administration.h"
#include "frames/informative/tfr_dangerous_operation.h"
#include "frames/informative/tfr_generic_error.h"
#include "frames/informative/tfr_generic_informative.h"
#include "frames/informative/tfr_programmed_form.h"
#include "frames/informative/tfr_restored_items.h"
#include "frames/informative/tfr_synchronization.h"
#include "frames/informative/tfr_synchronization_restart.h"
#include "kxua/values.h"

namespace kxua {

namespace {
template <class Frame>
std::unique_ptr<AlertFrame> Make(const FrameInput& input) {
  return std::make_unique<Frame>(input);
}
}  // namespace

void RegisterInformativeFrames(FrameRegistry& registry) {
  registry.Register(ListAlerts, alerts_form::TfrSynchronization, Make<TfrSynchronization>);
  registry.Register(ListAlerts, alerts_form::TfrAdministration, Make<TfrAdministration>);
  registry.Register(ListAlerts, alerts_form::TfrGenericError, Make<TfrGenericError>);
  registry.Register(ListAlerts, alerts_form::TfrSynchronizationRestart, Make<TfrSynchronizationRestart>);
  registry.Register(ListAlerts, alerts_form::TfrGenericInformative, Make<TfrGenericInformative>);
  registry.Register(ListAlerts, alerts_form::TfrProgrammedForm, Make<TfrProgrammedForm>);
  registry.Register(ListNotifications, notifications_form::TfrSynchronization, Make<TfrSynchronization>);
  registry.Register(ListNotifications, notifications_form::TfrGenericError, Make<TfrGenericError>);
  registry.Register(ListAlerts, alerts_form::TfrRestoredItems, Make<TfrRestoredItems>);
  registry.Register(ListAlerts, alerts_form::TfrDangerousOperation, Make<TfrDangerousOperation>);
  registry.Register(ListNotifications, notifications_form::TfrRestoredItems, Make<TfrRestoredItems>);
  registry.Register(ListNotifications, notifications_form::TfrDangerousOperation, Make<TfrDangerousOperation>);
}

}  // namespace kxua
