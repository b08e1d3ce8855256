// The product's COM service objects, as far as the library calls them. Methods are
// called by position after the seven IUnknown/IDispatch methods; the positions the
// library does not use are filled with placeholders that implementations may leave
// alone. ProgIDs name the objects in IZYMApplicationContext::Get.
#pragma once

#include "kxua/com.h"

// A slot the library never calls: it only keeps the positions of the used methods.
#define KXUA_UNUSED_METHOD(n) \
  virtual HRESULT STDMETHODCALLTYPE Unused##n() { return E_NOTIMPL; }

namespace kxua {

struct IUADictionary;

// The product's application context: every service object is looked up here by ProgID.
struct IZYMApplicationContext : IDispatch {
  KXUA_UNUSED_METHOD(1)
  virtual HRESULT STDMETHODCALLTYPE Initialize(BSTR name) = 0;  // only on a context that the library created itself
  virtual HRESULT STDMETHODCALLTYPE Get(BSTR progId, IDispatch** object) = 0;  // a non-null object whenever the result is not negative

 protected:
  ~IZYMApplicationContext() = default;
};
template <>
struct InterfaceId<IZYMApplicationContext> {
  static constexpr GUID value = {0xADEB18AB, 0xF913, 0x4B4F, {0x8A, 0x37, 0xFF, 0xA7, 0x2C, 0x54, 0x08, 0x73}};
};

// "UA.TranslatorManager".
struct IUATranslationSystem : IDispatch {
  KXUA_UNUSED_METHOD(1)
  KXUA_UNUSED_METHOD(2)
  virtual HRESULT STDMETHODCALLTYPE GetDictionary(IUADictionary** dictionary) = 0;

 protected:
  ~IUATranslationSystem() = default;
};
template <>
struct InterfaceId<IUATranslationSystem> {
  static constexpr GUID value = {0xDAFF76EB, 0x54F5, 0x40ED, {0xBF, 0xF9, 0xE5, 0xE7, 0x84, 0xC8, 0xE7, 0xAB}};
};

// Text look-up by text id.
struct IUADictionary : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE Translate(BSTR textId, BSTR* text) = 0;

 protected:
  ~IUADictionary() = default;
};
template <>
struct InterfaceId<IUADictionary> {
  static constexpr GUID value = {0x009C3E9A, 0x6C55, 0x4071, {0xBB, 0xA6, 0xE8, 0x03, 0x49, 0x21, 0x30, 0x1D}};
};

// "UA.ActionManager": runs the product's actions; the result is not inspected.
struct IUAAction : IDispatch {
  KXUA_UNUSED_METHOD(1)
  KXUA_UNUSED_METHOD(2)
  virtual HRESULT STDMETHODCALLTYPE ExecuteAction(BSTR actionName, VARIANT argument, VARIANT* result) = 0;

 protected:
  ~IUAAction() = default;
};
template <>
struct InterfaceId<IUAAction> {
  static constexpr GUID value = {0xC756D898, 0x8F2E, 0x488C, {0xAA, 0x4A, 0x00, 0x1D, 0xCE, 0xDA, 0x45, 0x1E}};
};

// "Zym.ExtendedAction", and the action objects that notifications name.
struct IZYMExtendedAction : IDispatch {
  KXUA_UNUSED_METHOD(1)
  KXUA_UNUSED_METHOD(2)
  KXUA_UNUSED_METHOD(3)
  KXUA_UNUSED_METHOD(4)
  KXUA_UNUSED_METHOD(5)
  KXUA_UNUSED_METHOD(6)
  virtual HRESULT STDMETHODCALLTYPE SetItem(BSTR name, VARIANT value) = 0;

 protected:
  ~IZYMExtendedAction() = default;
};
template <>
struct InterfaceId<IZYMExtendedAction> {
  static constexpr GUID value = {0xE5072341, 0x94AD, 0x46F9, {0xA2, 0x96, 0x41, 0xEA, 0x72, 0x59, 0xF8, 0xC6}};
};

// "Zym.StringMap": the parameter bag of a tracking event.
struct IZYMStringMap : IDispatch {
  KXUA_UNUSED_METHOD(1)
  KXUA_UNUSED_METHOD(2)
  KXUA_UNUSED_METHOD(3)
  KXUA_UNUSED_METHOD(4)
  KXUA_UNUSED_METHOD(5)
  KXUA_UNUSED_METHOD(6)
  virtual HRESULT STDMETHODCALLTYPE SetItem(BSTR key, VARIANT value) = 0;

 protected:
  ~IZYMStringMap() = default;
};
template <>
struct InterfaceId<IZYMStringMap> {
  static constexpr GUID value = {0xEE35A2F6, 0x03AB, 0x46EE, {0xA6, 0x40, 0x55, 0xDE, 0x05, 0x45, 0x5A, 0xFD}};
};

// "KXCCGUIUtils.Console": its translator object is preferred for texts.
struct ICCGUIConsole : IDispatch {
  KXUA_UNUSED_METHOD(1)
  KXUA_UNUSED_METHOD(2)
  KXUA_UNUSED_METHOD(3)
  KXUA_UNUSED_METHOD(4)
  KXUA_UNUSED_METHOD(5)
  KXUA_UNUSED_METHOD(6)
  KXUA_UNUSED_METHOD(7)
  KXUA_UNUSED_METHOD(8)
  KXUA_UNUSED_METHOD(9)
  KXUA_UNUSED_METHOD(10)
  KXUA_UNUSED_METHOD(11)
  KXUA_UNUSED_METHOD(12)
  KXUA_UNUSED_METHOD(13)
  KXUA_UNUSED_METHOD(14)
  KXUA_UNUSED_METHOD(15)
  KXUA_UNUSED_METHOD(16)
  KXUA_UNUSED_METHOD(17)
  KXUA_UNUSED_METHOD(18)
  KXUA_UNUSED_METHOD(19)
  KXUA_UNUSED_METHOD(20)
  KXUA_UNUSED_METHOD(21)
  KXUA_UNUSED_METHOD(22)
  KXUA_UNUSED_METHOD(23)
  KXUA_UNUSED_METHOD(24)
  KXUA_UNUSED_METHOD(25)
  KXUA_UNUSED_METHOD(26)
  KXUA_UNUSED_METHOD(27)
  KXUA_UNUSED_METHOD(28)
  KXUA_UNUSED_METHOD(29)
  KXUA_UNUSED_METHOD(30)
  virtual HRESULT STDMETHODCALLTYPE GetTranslatorObject(VARIANT* translator) = 0;  // an object variant holding the dictionary

 protected:
  ~ICCGUIConsole() = default;
};
template <>
struct InterfaceId<ICCGUIConsole> {
  static constexpr GUID value = {0x87BFF3FB, 0xD35E, 0x4684, {0xA4, 0x03, 0x99, 0xD4, 0xEA, 0xC0, 0x36, 0x4A}};
};

// "KXCCGUIUtils.ProductInfo".
struct ICCGUIProductInfo : IDispatch {
  KXUA_UNUSED_METHOD(1)
  KXUA_UNUSED_METHOD(2)
  KXUA_UNUSED_METHOD(3)
  virtual HRESULT STDMETHODCALLTYPE GetProductVersionType(VARIANT* type) = 0;  // VT_UI4

 protected:
  ~ICCGUIProductInfo() = default;
};
template <>
struct InterfaceId<ICCGUIProductInfo> {
  static constexpr GUID value = {0xE1FE5E87, 0x1F86, 0x44E3, {0x90, 0x93, 0x7C, 0xBA, 0x63, 0x95, 0x5E, 0x3E}};
};

// "KXCCGUIUtils.Config".
struct ICCGUIConfig : IDispatch {
  KXUA_UNUSED_METHOD(1)
  KXUA_UNUSED_METHOD(2)
  KXUA_UNUSED_METHOD(3)
  KXUA_UNUSED_METHOD(4)
  KXUA_UNUSED_METHOD(5)
  KXUA_UNUSED_METHOD(6)
  KXUA_UNUSED_METHOD(7)
  KXUA_UNUSED_METHOD(8)
  KXUA_UNUSED_METHOD(9)
  KXUA_UNUSED_METHOD(10)
  KXUA_UNUSED_METHOD(11)
  KXUA_UNUSED_METHOD(12)
  KXUA_UNUSED_METHOD(13)
  KXUA_UNUSED_METHOD(14)
  KXUA_UNUSED_METHOD(15)
  KXUA_UNUSED_METHOD(16)
  KXUA_UNUSED_METHOD(17)
  KXUA_UNUSED_METHOD(18)
  KXUA_UNUSED_METHOD(19)
  KXUA_UNUSED_METHOD(20)
  KXUA_UNUSED_METHOD(21)
  virtual HRESULT STDMETHODCALLTYPE GetConfigValue(LONG item, VARIANT* value) = 0;

 protected:
  ~ICCGUIConfig() = default;
};
template <>
struct InterfaceId<ICCGUIConfig> {
  static constexpr GUID value = {0x86D66C07, 0x30A1, 0x4C38, {0xB2, 0xDE, 0x7F, 0xF6, 0x39, 0x36, 0x00, 0x0A}};
};

// "KXCCGUIUTILS.TrackingEvents".
struct ICCGUITrackingEvts : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE InitializeTrackingSystem(VARIANT configuration) = 0;
  virtual HRESULT STDMETHODCALLTYPE UninitializeTrackingSystem() = 0;
  virtual HRESULT STDMETHODCALLTYPE SendEventTrack(VARIANT eventName, VARIANT parameters) = 0;

 protected:
  ~ICCGUITrackingEvts() = default;
};
template <>
struct InterfaceId<ICCGUITrackingEvts> {
  static constexpr GUID value = {0x40B78C3D, 0xA914, 0x436B, {0xB9, 0x5A, 0x8C, 0xB4, 0xC7, 0x18, 0xCE, 0xDD}};
};
// The item of "KXCCGUIUtils.Config" whose value starts the tracking system.
inline constexpr LONG kTrackingConfigItem = 67148131;

// "KXCCGUIUtils.CGUIBrowserAction": handed to a web page as its external object;
// the library calls none of its methods.
struct ICGUIBrowserAction : IDispatch {

 protected:
  ~ICGUIBrowserAction() = default;
};
template <>
struct InterfaceId<ICGUIBrowserAction> {
  static constexpr GUID value = {0x4B5695D2, 0x8FFE, 0x4B83, {0x9E, 0xE1, 0xC4, 0xC1, 0x71, 0xCA, 0x31, 0x59}};
};

// The class the library creates when no host context is given; created with every
// server kind (class context 0x17).
inline constexpr GUID CLSID_ZYMApplicationContext = {0x3003DE76, 0x0439, 0x431D, {0x96, 0x84, 0x88, 0x1C, 0x61, 0x10, 0x50, 0x4A}};
inline constexpr DWORD kClassContextAnyServer = 0x17;

namespace progid {
inline constexpr wchar_t TranslatorManager[] = L"UA.TranslatorManager";
inline constexpr wchar_t ActionManager[] = L"UA.ActionManager";
inline constexpr wchar_t ExtendedAction[] = L"Zym.ExtendedAction";
inline constexpr wchar_t StringMap[] = L"Zym.StringMap";
inline constexpr wchar_t Console[] = L"KXCCGUIUtils.Console";
inline constexpr wchar_t ProductInfo[] = L"KXCCGUIUtils.ProductInfo";
inline constexpr wchar_t Config[] = L"KXCCGUIUtils.Config";
inline constexpr wchar_t TrackingEvents[] = L"KXCCGUIUTILS.TrackingEvents";
inline constexpr wchar_t BrowserAction[] = L"KXCCGUIUtils.CGUIBrowserAction";
}  // namespace progid

}  // namespace kxua
