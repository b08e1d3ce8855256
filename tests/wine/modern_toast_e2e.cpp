// The modern-desktop toast path on the real system under Wine: the stand-in
// KXW8Utils.dll in a temporary installation folder named by the setup's "Path"
// value, loaded, called through its stdcall tables and freed by the library.
// Prints one line per check and "N passed, N failed".
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "host/modern_toast.h"
#include "kxua/companion.h"
#include "model/product_folders.h"
#include "model/product_info.h"
#include "model/services.h"
#include "testbed/application_context.h"
#include "testbed/translator.h"
#include "tests/wine/check.h"

namespace {

using namespace kxua;

using wine::Check;

constexpr char kProductInfo[] =
    "<product_info><version name=\"DEFAULT\"><general>"
    "<property name=\"HasMetroFunctionality\" value=\"true\" type=\"VT_BOOL\"/>"
    "</general></version></product_info>";

// A setup value as it was before the test, put back (or removed) at the end.
class SetupValue {
 public:
  SetupValue(HKEY key, const wchar_t* name, const std::wstring& value) : key_(key), name_(name) {
    wchar_t old[MAX_PATH] = {};
    DWORD size = sizeof(old) - sizeof(wchar_t), type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(old), &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ)
      old_ = std::wstring(old);
    Write(value);
  }
  ~SetupValue() {
    if (old_)
      Write(*old_);
    else
      RegDeleteValueW(key_, name_);
  }

 private:
  void Write(const std::wstring& value) {
    RegSetValueExW(key_, name_, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }
  HKEY key_;
  const wchar_t* name_;
  std::optional<std::wstring> old_;
};

void CreateFolders(const std::wstring& path) {
  for (std::size_t at = path.find(L'\\', 3); at != std::wstring::npos;
       at = path.find(L'\\', at + 1))
    CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
}

bool WriteText(const std::wstring& path, const char* text) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
  CloseHandle(file);
  return ok && written == strlen(text);
}

std::wstring Widen(const char* text) { return std::wstring(text, text + strlen(text)); }

void* Export(HMODULE module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(module, name));
}

using Configure = void (*)(int, int, int);
using Calls = const wchar_t* (*)();

void RunChecks(const std::wstring& library, CZYMUtils& translator) {
  // The test holds the stand-in loaded too, so that its record outlives the
  // library's own load, and so that it can tell whether that load was given back.
  HMODULE own = LoadLibraryW(library.c_str());
  auto configure = reinterpret_cast<Configure>(Export(own, "kxua_w8_configure"));
  auto calls = reinterpret_cast<Calls>(Export(own, "kxua_w8_calls"));
  Check(own != nullptr && configure != nullptr && calls != nullptr,
        "the stand-in KXW8Utils.dll loads from the installation folder");
  if (configure == nullptr || calls == nullptr) return;
  Check(CompanionLibraryPath() == library, "the library path is the installation folder's");

  configure(1, 1, 1);
  RaiseModernToast(translator);
  const std::wstring expected =
      L"get_w8info_instance\n"
      L"info.IsModernDesktopInFront(0)\n"
      L"info.Release\n"
      L"get_w8toaster_instance\n"
      L"toaster.SetTexts(|You have new notifications|Pulsa aqu\u00ED para revisarlas)\n"
      L"toaster.SetPicture(" +
      GetImagesFolder() +
      L"MetroAlert.png)\n"
      L"toaster.Show(2F6DEE05-20A1-41C1-A7E1-56986F205EA2, 1, 0)\n"
      L"toaster.Release\n";
  Check(calls() == expected, "the toast is raised with the texts, picture and application id");

  configure(0, 1, 1);
  RaiseModernToast(translator);
  Check(std::wstring(calls()) ==
            L"get_w8info_instance\ninfo.IsModernDesktopInFront(0)\ninfo.Release\n",
        "no toaster is asked for while the modern desktop is not in front");

  configure(1, 1, 1);
  Check(ModernDesktopInFront(), "the information object's true answer comes through");
  configure(0, 1, 1);
  Check(!ModernDesktopInFront(), "the information object's false answer comes through");

  FreeLibrary(own);
  Check(GetModuleHandleW(library.c_str()) == nullptr,
        "every load of the companion library was given back");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: kxua_modern_toast_e2e <KXW8Utils.dll>\n");
    return 2;
  }
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring install = std::wstring(temp) + L"kxua-modern-toast-e2e\\";
  CreateFolders(install);
  const std::wstring library = install + kCompanionLibraryName;
  Check(CopyFileW(Widen(argv[1]).c_str(), library.c_str(), FALSE) != 0,
        "the stand-in is copied into the installation folder");

  HKEY setup = nullptr;
  DWORD disposition = 0;
  const bool keyMade =
      RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSetupKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                      &setup, &disposition) == ERROR_SUCCESS;
  Check(keyMade, "the setup key can be written");
  if (keyMade) {
    std::wstring raw;
    {
      SetupValue path(setup, L"Path", install);
      SetupValue company(setup, L"InitialCompanyName", L"Orvex Software");
      SetupValue product(setup, L"InitialProductName", L"KXUA modern toast e2e");
      raw = GetRawFolder();
      CreateFolders(raw);
      WriteText(raw + ProductInfoManager::kFileName, kProductInfo);

      auto* context = new testbed::ApplicationContext;
      auto* dictionary = new testbed::Dictionary;
      auto* translatorManager = new testbed::TranslatorManager(dictionary);
      dictionary->Add(L"Tienes nuevas notificaciones", L"You have new notifications");
      context->Register(progid::TranslatorManager, translatorManager);
      {
        testbed::ContextClassRegistration registration(context);
        CZYMUtils translator;
        translator.Initialize(CZYMUtils::kAlertClient, context);
        RunChecks(library, translator);
      }
      translatorManager->Release();
      dictionary->Release();
      context->Release();
    }
    DeleteFileW((raw + ProductInfoManager::kFileName).c_str());
    RegCloseKey(setup);
    if (disposition == REG_CREATED_NEW_KEY) RegDeleteKeyW(HKEY_LOCAL_MACHINE, kSetupKey);
  }
  DeleteFileW(library.c_str());
  RemoveDirectoryW(install.c_str());
  CoUninitialize();
  return wine::Summary();
}
