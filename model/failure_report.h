// The question boxes that report a failed interface query ("HRCHECK: ") or a broken
// assumption ("_ASSERTE: "). Yes abandons the operation by throwing AutomationError;
// No continues; Cancel stops in an attached debugger and then continues.
#pragma once

#include "kxua/com.h"

namespace kxua {

// Reports `code` of the call `expression` when it failed; returns `code` either way.
HRESULT CheckResult(HRESULT code, const char* expression, const char* file, int line);

// Reports that `expression` did not hold.
void ReportAssertion(const char* expression, const char* file, int line);

}  // namespace kxua

#define KXUA_HRCHECK(call) ::kxua::CheckResult((call), #call, __FILE__, __LINE__)
#define KXUA_ASSERTE(condition) \
  ((condition) ? (void)0 : ::kxua::ReportAssertion(#condition, __FILE__, __LINE__))
