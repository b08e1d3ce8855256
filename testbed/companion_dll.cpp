// KXW8Utils.dll of the stand-in product: the companion library's three entry points,
// and two more through which a test program that holds the library loaded chooses
// its answers and reads what it was asked.
#include <string>

#include "testbed/companion_library.h"

using namespace kxua;

extern "C" {

__declspec(dllexport) IW8Toaster* get_w8toaster_instance() {
  return testbed::CompanionToasterInstance();
}

__declspec(dllexport) IW8Shortcut* get_w8shortcut_instance() {
  return testbed::CompanionShortcutInstance();
}

__declspec(dllexport) IW8Info* get_w8info_instance() { return testbed::CompanionInfoInstance(); }

// Forgets the calls; nonzero arguments switch the answer and the objects on.
__declspec(dllexport) void kxua_w8_configure(int modernDesktopInFront, int toaster, int info) {
  testbed::ResetCompanionLibrary({modernDesktopInFront != 0, toaster != 0, info != 0});
}

// The calls so far, one per line; valid until the next call of any export.
__declspec(dllexport) const wchar_t* kxua_w8_calls() {
  static std::wstring text;
  text.clear();
  for (const std::wstring& call : testbed::CompanionCalls()) text += call + L"\n";
  return text.c_str();
}

}  // extern "C"
