#pragma once

#include "host/toast_main_form.h"

namespace kxua {

// The host window of the run in progress; null when idle.
TToastMainForm* RunningHost();

// Registers the form as the manager's callback, checks the manager once, and pumps
// the thread's messages until the form's close message has been dispatched, WM_QUIT
// arrives, or the run was finalized. Unregisters the callback before returning. A
// WM_QUIT is posted again afterwards so that the product's own loop ends too.
void RunAlertLoop(TToastMainForm& form);

}  // namespace kxua
