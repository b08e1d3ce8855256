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

void RegisterInformativeFrames(FrameRegistry& registry) {
  registry.Register<TfrSynchronization>(ListAlerts, alerts_form::TfrSynchronization);
  registry.Register<TfrAdministration>(ListAlerts, alerts_form::TfrAdministration);
  registry.Register<TfrGenericError>(ListAlerts, alerts_form::TfrGenericError);
  registry.Register<TfrSynchronizationRestart>(ListAlerts, alerts_form::TfrSynchronizationRestart);
  registry.Register<TfrGenericInformative>(ListAlerts, alerts_form::TfrGenericInformative);
  registry.Register<TfrProgrammedForm>(ListAlerts, alerts_form::TfrProgrammedForm);
  registry.Register<TfrSynchronization>(ListNotifications, notifications_form::TfrSynchronization);
  registry.Register<TfrGenericError>(ListNotifications, notifications_form::TfrGenericError);
  registry.Register<TfrRestoredItems>(ListAlerts, alerts_form::TfrRestoredItems);
  registry.Register<TfrDangerousOperation>(ListAlerts, alerts_form::TfrDangerousOperation);
  registry.Register<TfrRestoredItems>(ListNotifications, notifications_form::TfrRestoredItems);
  registry.Register<TfrDangerousOperation>(ListNotifications, notifications_form::TfrDangerousOperation);
}

}  // namespace kxua
