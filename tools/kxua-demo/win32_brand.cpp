#include "tools/kxua-demo/win32_brand.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>

#include "kxua/companion.h"
#include "model/product_folders.h"
#include "model/product_info.h"
#include "model/utf8.h"
#include "model/white_label_catalogue.h"
#include "testbed/demo_brand.h"

namespace kxua::demo {

namespace {

// A file of the same name that was there before is kept under this suffix meanwhile.
constexpr wchar_t kSavedSuffix[] = L".kxua-demo-saved";

[[noreturn]] void Fail(const std::wstring& what) { throw std::runtime_error(Utf8FromWide(what)); }

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool KeyExists(const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// Sets or, without `data`, deletes a value of the setup key.
bool WriteSetupValue(const std::wstring& name, DWORD type, const std::vector<BYTE>* data) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSetupKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
    return false;
  const LONG result =
      data != nullptr
          ? RegSetValueExW(key, name.c_str(), 0, type, data->data(), static_cast<DWORD>(data->size()))
          : RegDeleteValueW(key, name.c_str());
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

std::vector<BYTE> TextValue(const std::wstring& text) {
  const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
  return {bytes, bytes + (text.size() + 1) * sizeof(wchar_t)};
}

}  // namespace

Win32Brand::Win32Brand(const std::wstring& source, const std::wstring& language) {
  try {
    Install(source, language);
  } catch (...) {
    Undo();
    throw;
  }
}

Win32Brand::~Win32Brand() { Undo(); }

void Win32Brand::Install(const std::wstring& source, const std::wstring& language) {
  using testbed::DemoBrand;
  const struct {
    const wchar_t* name;
    std::wstring (*folder)();
  } files[] = {
      {ProductInfoManager::kFileName, [] { return GetRawFolder(); }},
      {WhiteLabelCatalogue::kFileName, [] { return GetRawFolder(); }},
      {L"MetroAlert.png", GetImagesFolder},
      {kResourceLibraryName, GetInstallFolder},
      {kCompanionLibraryName, GetInstallFolder},
  };
  for (const auto& file : files)
    if (!Exists(source + file.name)) Fail(L"the demo brand's " + std::wstring(file.name) + L" is not in " + source);

  const std::wstring company = std::wstring(L"SOFTWARE\\") + DemoBrand::kCompany;
  CreateKey(company);
  CreateKey(kSetupKey);
  const auto text = [this](const wchar_t* name, const std::wstring& value) {
    const std::vector<BYTE> bytes = TextValue(value);
    SetSetupValue(name, REG_SZ, bytes.data(), static_cast<unsigned long>(bytes.size()));
  };
  text(L"Path", DemoBrand::kInstallFolder);
  text(L"Language", language);
  text(L"InitialCompanyName", DemoBrand::kCompany);
  text(L"InitialProductName", DemoBrand::kProduct);
  const DWORD mainProduct = DemoBrand::kMainProductId;
  SetSetupValue(L"MainProductID", REG_DWORD, &mainProduct, sizeof mainProduct);

  // The folders as the library finds them from the values just written.
  installFolder_ = GetInstallFolder();
  for (const auto& file : files) {
    const std::wstring folder = file.folder();
    CreateFolders(folder);
    PutFile(source + file.name, folder + file.name);
  }
}

void Win32Brand::CreateKey(const std::wstring& path) {
  if (KeyExists(path)) return;
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    Fail(L"cannot create HKEY_LOCAL_MACHINE\\" + path +
         L" (the demo brand needs an elevated prompt; or give the scenario \"brand\": \"none\")");
  RegCloseKey(key);
  done_.push_back({L"HKEY_LOCAL_MACHINE\\" + path,
                   [path] { return RegDeleteKeyW(HKEY_LOCAL_MACHINE, path.c_str()) == ERROR_SUCCESS; }});
}

void Win32Brand::SetSetupValue(const wchar_t* name, unsigned long type, const void* data,
                               unsigned long size) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSetupKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    Fail(std::wstring(L"cannot open HKEY_LOCAL_MACHINE\\") + kSetupKey);
  DWORD oldType = 0, oldSize = 0;
  const bool existed = RegQueryValueExW(key, name, nullptr, &oldType, nullptr, &oldSize) == ERROR_SUCCESS;
  std::vector<BYTE> old(oldSize);
  if (existed && oldSize > 0 &&
      RegQueryValueExW(key, name, nullptr, &oldType, old.data(), &oldSize) != ERROR_SUCCESS) {
    RegCloseKey(key);
    Fail(std::wstring(L"cannot read the setup value ") + name);
  }
  RegCloseKey(key);
  old.resize(oldSize);

  const auto* bytes = static_cast<const BYTE*>(data);
  const std::vector<BYTE> value(bytes, bytes + size);
  if (!WriteSetupValue(name, type, &value)) Fail(std::wstring(L"cannot write the setup value ") + name);
  const std::wstring valueName = name;
  done_.push_back({std::wstring(L"the setup value ") + name, [valueName, existed, oldType, old] {
                     return WriteSetupValue(valueName, oldType, existed ? &old : nullptr);
                   }});
}

void Win32Brand::CreateFolders(const std::wstring& folder) {
  for (std::size_t at = folder.find(L'\\', 3); at != std::wstring::npos; at = folder.find(L'\\', at + 1)) {
    const std::wstring path = folder.substr(0, at);
    if (Exists(path)) continue;
    if (!CreateDirectoryW(path.c_str(), nullptr)) Fail(L"cannot create the folder " + path);
    done_.push_back({path, [path] { return RemoveDirectoryW(path.c_str()) != FALSE; }});
  }
}

void Win32Brand::PutFile(const std::wstring& from, const std::wstring& to) {
  if (Exists(to)) {
    const std::wstring saved = to + kSavedSuffix;
    if (!MoveFileExW(to.c_str(), saved.c_str(), MOVEFILE_REPLACE_EXISTING))
      Fail(L"cannot set aside " + to + L", which is in use");
    done_.push_back({to + L" (kept as " + saved + L")", [to, saved] {
                       return MoveFileExW(saved.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
                     }});
  }
  if (!CopyFileW(from.c_str(), to.c_str(), TRUE)) Fail(L"cannot copy " + from + L" to " + to);
  done_.push_back({to, [to] { return DeleteFileW(to.c_str()) != FALSE; }});
}

void Win32Brand::Undo() {
  for (; !done_.empty(); done_.pop_back())
    if (!done_.back().undo())
      std::fprintf(stderr, "kxua-demo: could not undo the demo brand's change to %s\n",
                   Utf8FromWide(done_.back().what).c_str());
}

}  // namespace kxua::demo
