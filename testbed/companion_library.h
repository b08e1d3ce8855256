// The stand-in for the product's companion library "KXW8Utils.dll": it raises no
// system toast but records every call it receives, in order, and answers as the
// test or the demo chose. Native builds register it as a simulated module; Windows
// builds make a real KXW8Utils.dll of it (companion_dll.cpp).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "kxua/companion.h"

namespace kxua::testbed {

struct CompanionBehaviour {
  bool modernDesktopInFront = true;  // what the information object answers
  bool toaster = true;               // whether get_w8toaster_instance gives an object
  bool info = true;                  // whether get_w8info_instance gives an object
};

// Forgets the calls and takes `behaviour` from now on.
void ResetCompanionLibrary(const CompanionBehaviour& behaviour = CompanionBehaviour());

// Changes what the information object answers from now on, keeping the calls.
void SetModernDesktopInFront(bool inFront);

// Every call so far, one line each, such as "get_w8info_instance",
// "info.IsModernDesktopInFront(0)" (the value the caller preset), "info.Release",
// "toaster.SetTexts(title|first line|second line)", "toaster.SetPicture(path)",
// "toaster.Show(app id, 1, 0)" and "toaster.Release".
const std::vector<std::wstring>& CompanionCalls();

// Called with each line as it is recorded, so that a test can note what else held
// at that moment. Empty to stop.
void SetCompanionObserver(std::function<void(const std::wstring&)> observer);

// The library's three entry points.
IW8Toaster* CompanionToasterInstance();
IW8Shortcut* CompanionShortcutInstance();
IW8Info* CompanionInfoInstance();

}  // namespace kxua::testbed
