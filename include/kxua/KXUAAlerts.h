// The library's exports. The product loads KXUAAlerts.dll and finds them by their
// cdecl names "_KXUA_Initialize" and "_KXUA_Finalize".
#pragma once

#include <cstdint>

#include "kxua/alerts.h"

#ifdef _WIN32
#define KXUA_EXPORT_CALL __cdecl
#else
#define KXUA_EXPORT_CALL
#endif

extern "C" {

// Shows the manager's pending alerts one after the other and returns when none is
// left, when the thread receives WM_QUIT, or when KXUA_Finalize ends the run. Blocks
// the calling thread, whose messages it pumps. `context` is an application context
// reference owned by the call: the caller adds a reference for it and the library
// releases it before returning, on every path. Returns 0 after a run; 1 when
// nothing was run (a run already in progress, or a null context).
std::int32_t KXUA_EXPORT_CALL KXUA_Initialize(kxua::IUIAlertsManager* manager, IUnknown* context);
typedef std::int32_t(KXUA_EXPORT_CALL* KXUA_InitializeFn)(kxua::IUIAlertsManager*, IUnknown*);

// Ends a run in progress by destroying its window; meant for the thread of the run.
// Always returns 1.
std::int32_t KXUA_EXPORT_CALL KXUA_Finalize();
typedef std::int32_t(KXUA_EXPORT_CALL* KXUA_FinalizeFn)();
}
