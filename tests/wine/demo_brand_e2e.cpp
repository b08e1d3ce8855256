// The demo brand on the real system under Wine: installed where the library looks,
// and afterwards nothing of it left, with what it replaced put back. The prefix is
// shared with the other tests, which must never see the brand.
// Prints one line per check and "N passed, N failed".
#include <windows.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "kxua/companion.h"
#include "model/product_folders.h"
#include "model/product_info.h"
#include "model/white_label_catalogue.h"
#include "testbed/demo_brand.h"
#include "tests/wine/check.h"
#include "tools/kxua-demo/win32_brand.h"

namespace {

using namespace kxua;
using demo::MachineKeyExists;
using demo::PathExists;
using demo::Win32Brand;
using testbed::DemoBrand;
using wine::Check;

const std::wstring kCompanyKey = std::wstring(L"SOFTWARE\\") + DemoBrand::kCompany;

std::optional<std::wstring> SetupText(const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  DWORD size = sizeof(value) - sizeof(wchar_t);
  if (RegGetValueW(HKEY_LOCAL_MACHINE, kSetupKey, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return std::wstring(value);
}

std::string ReadAll(const std::wstring& path) {
  std::string content;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return content;
  char buffer[4096];
  DWORD read = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
  CloseHandle(file);
  return content;
}

void WriteAll(const std::wstring& path, const std::string& content) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
}

// What the library finds of the brand while it is installed.
void CheckInstalled(const Win32Brand& brand) {
  Check(brand.InstallFolder() == DemoBrand::kInstallFolder, "the setup's Path is the install folder");
  Check(SetupText(L"Language") == std::wstring(L"eng"), "the install language is the demo's");
  Check(GetProductDataFolder().find(L"\\Orvex Software\\Harbor Guard") != std::wstring::npos,
        "the product data folder is named by the setup's company and product");
  Check(GetMainProductID() == L"37", "the main product id is recorded");
  Check(PathExists(GetRawFolder() + ProductInfoManager::kFileName) &&
            PathExists(GetRawFolder() + WhiteLabelCatalogue::kFileName),
        "both branding files are in the raw folder");
  Check(PathExists(GetImagesFolder() + L"MetroAlert.png") && PathExists(GetImagesFolder() + L"520.png"),
        "the images folder has the system toast's picture and the pictures by resource id");
  Check(PathExists(GetResourceLibraryPath()) && PathExists(brand.InstallFolder() + kCompanionLibraryName),
        "the resource library and the companion library are in the install folder");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: kxua_demo_brand_e2e <folder of the brand's files>\n");
    return 2;
  }
  const std::string given = argv[1];
  const std::wstring source = std::wstring(given.begin(), given.end()) + L"\\";
  if (MachineKeyExists(kSetupKey)) {
    std::printf("a product of %ls is installed in this prefix; not touching it\n", DemoBrand::kCompany);
    return 2;
  }
  // Other tests may have left the company's key, empty.
  const bool companyKey = MachineKeyExists(kCompanyKey);
  const auto keysAsBefore = [companyKey] {
    return !MachineKeyExists(kSetupKey) && MachineKeyExists(kCompanyKey) == companyKey;
  };

  // A clean system: everything installed goes again, keys and folders included.
  std::wstring dataFolder, installFolder;
  {
    Win32Brand brand(source, L"eng");
    CheckInstalled(brand);
    dataFolder = GetProductDataFolder();
    installFolder = brand.InstallFolder();
  }
  Check(keysAsBefore(), "the setup's keys are gone");
  Check(!PathExists(dataFolder) && !PathExists(installFolder), "the folders it made are gone");

  // Values and files that were there before are put back as they were.
  HKEY setup = nullptr;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSetupKey, 0, nullptr, 0, KEY_WRITE, nullptr, &setup, nullptr);
  const std::wstring french = L"fra";
  RegSetValueExW(setup, L"Language", 0, REG_SZ, reinterpret_cast<const BYTE*>(french.c_str()),
                 static_cast<DWORD>((french.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(setup);
  CreateDirectoryW(installFolder.substr(0, installFolder.rfind(L'\\', installFolder.size() - 2)).c_str(),
                   nullptr);
  CreateDirectoryW(installFolder.c_str(), nullptr);
  const std::wstring library = installFolder + kCompanionLibraryName;
  WriteAll(library, "the product's own");
  {
    Win32Brand brand(source, L"eng");
    CheckInstalled(brand);
    Check(ReadAll(library) != "the product's own", "a file of the same name is replaced meanwhile");
  }
  Check(SetupText(L"Language") == french, "a setup value that was there is put back");
  Check(!SetupText(L"Path") && MachineKeyExists(kSetupKey), "values it added are gone, the key it found stays");
  Check(ReadAll(library) == "the product's own" && !PathExists(library + L".kxua-demo-saved"),
        "a file it replaced is put back");
  Check(!PathExists(dataFolder), "the data folder it made is gone");
  DeleteFileW(library.c_str());
  RemoveDirectoryW(installFolder.c_str());
  RemoveDirectoryW(installFolder.substr(0, installFolder.rfind(L'\\', installFolder.size() - 2)).c_str());
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, kSetupKey);
  if (!companyKey) RegDeleteKeyW(HKEY_LOCAL_MACHINE, kCompanyKey.c_str());

  // A demo killed while the brand was installed: the next one takes it away first,
  // and leaves nothing either.
  new Win32Brand(source, L"spa");  // never ends, as if killed
  {
    Win32Brand brand(source, L"eng");
    CheckInstalled(brand);
  }
  Check(keysAsBefore() && !PathExists(dataFolder) && !PathExists(installFolder),
        "what a killed demo left is gone after the next");

  // Files missing from the source: refused before anything is written.
  bool refused = false;
  try {
    Win32Brand brand(source + L"missing\\", L"eng");
  } catch (const std::runtime_error&) {
    refused = true;
  }
  Check(refused && keysAsBefore(), "a brand without its files is refused, nothing written");

  return wine::Summary();
}
