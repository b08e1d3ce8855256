// The product's companion library "KXW8Utils.dll", which raises system toasts on
// the modern Windows desktop. The library loads it from the installation folder
// for each use and frees it afterwards.
//
// Its entry points take no arguments and return an object, or null. The objects are
// plain tables of operations (not COM): no QueryInterface, no reference counting;
// each is given back through its own Release operation. Like the alert objects
// (kxua/alerts.h), every operation uses stdcall, which passes `this` on the stack
// like every other argument, so that the slot layout does not depend on which
// compiler built either side. The entry points are plain exports: cdecl, and with
// no arguments the two conventions would not differ anyway.
#pragma once

#include <cstdint>

#include "kxua/alerts.h"

namespace kxua {

inline constexpr wchar_t kCompanionLibraryName[] = L"KXW8Utils.dll";

inline constexpr char kToasterFactoryName[] = "get_w8toaster_instance";
inline constexpr char kShortcutFactoryName[] = "get_w8shortcut_instance";
inline constexpr char kInfoFactoryName[] = "get_w8info_instance";

// The application id the library's toasts are raised under.
inline constexpr wchar_t kModernToastAppId[] = L"2F6DEE05-20A1-41C1-A7E1-56986F205EA2";

// Raises one system toast: texts and picture first, then Show, then Release.
class IW8Toaster {
 public:
  // `mode` is 1; `result` is preset to 0 by the caller and not read afterwards.
  virtual void KXUA_PRODUCT_CALL Show(const wchar_t* appId, std::int32_t mode,
                                      std::int32_t& result) = 0;
  // The full path of the toast's picture.
  virtual void KXUA_PRODUCT_CALL SetPicture(const wchar_t* path) = 0;
  virtual void KXUA_PRODUCT_CALL SetTexts(const wchar_t* title, const wchar_t* firstLine,
                                          const wchar_t* secondLine) = 0;
  virtual void KXUA_PRODUCT_CALL Reserved3() = 0;  // part of the layout; never called
  virtual void KXUA_PRODUCT_CALL Release() = 0;

 protected:
  ~IW8Toaster() = default;
};

// Whether the modern (immersive) desktop is in front of the classic one.
class IW8Info {
 public:
  // Sets `inFront` (one byte, preset to 0 by the caller) to nonzero when it is.
  virtual void KXUA_PRODUCT_CALL IsModernDesktopInFront(std::uint8_t& inFront) = 0;
  virtual void KXUA_PRODUCT_CALL Release() = 0;

 protected:
  ~IW8Info() = default;
};

// The shortcut object is looked up with the others but never created, so its
// layout stays opaque.
class IW8Shortcut;

static_assert(sizeof(IW8Toaster) == sizeof(void*) && sizeof(IW8Info) == sizeof(void*));

extern "C" {
typedef IW8Toaster* (*W8ToasterFactory)();
typedef IW8Shortcut* (*W8ShortcutFactory)();
typedef IW8Info* (*W8InfoFactory)();
}

}  // namespace kxua
