// The modern-desktop toast path: a system toast raised through the product's
// companion library, in addition to the classic toast, and the library's answer to
// whether the modern desktop is in front. Every missing piece ends the path quietly.
#pragma once

#include <string>

#include "model/zym_utils.h"

namespace kxua {

// Where the companion library is loaded from: the installation folder joined with
// "KXW8Utils.dll", or the folder value itself when it already names the library.
std::wstring CompanionLibraryPath();

// The companion library's information object's answer; false when the library, one
// of its entry points or the object is missing. The caller checks the product
// information flag "HasMetroFunctionality" first.
bool ModernDesktopInFront();

// Raises the system toast that points the user to the waiting alert, when the
// product has the modern-desktop feature and the companion library says it is in
// front. `translator` translates the toast's two lines.
void RaiseModernToast(CZYMUtils& translator);

}  // namespace kxua
