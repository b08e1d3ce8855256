// Branding files on the real system under Wine: the Win32 file reads, the folders
// from the registry and the all-users data folder, and the statically linked cipher.
// Prints one line per check and "N passed, N failed".
#include <cstdio>
#include <string>
#include <vector>

#include "model/alert_colors.h"
#include "model/branding_file.h"
#include "model/content_cipher.h"
#include "model/product_folders.h"
#include "model/white_label_catalogue.h"
#include "platform/platform.h"
#include "tests/wine/check.h"

namespace {

using namespace kxua;

using wine::Check;

constexpr char kCatalogue[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<c><active_product>Wine</active_product><product name=\"Wine\">"
    "<colors><color name=\"IDS_ALERT_TITLE_BACK_COLOR\" value=\"7098123\"/></colors>"
    "<strings><language name=\"spa\">"
    "<s name=\"STRING_IDS_PRODUCT_LONGNAME\" value=\"Protecci\xC3\xB3n \xF0\x9F\x9B\xA1\"/>"
    "</language></strings></product></c>";

bool WriteFile(const std::wstring& path, const std::vector<std::uint8_t>& content) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written,
                              nullptr);
  CloseHandle(file);
  return ok && written == content.size();
}

// Creates every folder of `path` that is missing.
void CreateFolders(const std::wstring& path) {
  for (std::size_t at = path.find(L'\\', 3); at != std::wstring::npos;
       at = path.find(L'\\', at + 1))
    CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
}

void SetSetupValue(HKEY key, const wchar_t* name, const std::wstring& value) {
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

int main() {
  const std::vector<std::uint8_t> plain(kCatalogue, kCatalogue + sizeof(kCatalogue) - 1);
  const auto enciphered = EncipherContent(plain);
  Check(enciphered && PlainContent(*enciphered) == plain, "the cipher round-trips on Windows");

  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"kxua-branding-e2e\\";
  CreateFolders(folder);
  const std::wstring plainPath = folder + L"plain.xml";
  const std::wstring encipheredPath = folder + L"enciphered.xml";
  WriteFile(plainPath, plain);
  if (enciphered) WriteFile(encipheredPath, *enciphered);

  platform::Files& files = platform::Get();
  Check(files.ReadFile(plainPath) == plain, "a file is read whole");
  Check(!files.ReadFile(folder + L"missing.xml"), "a missing file reads as nothing");
  Check(!files.ReadFile(folder), "a folder reads as nothing");
  const std::wstring bigPath = folder + L"big.bin";
  WriteFile(bigPath, std::vector<std::uint8_t>(platform::Files::kLargestFile + 1));
  Check(!files.ReadFile(bigPath), "a file above the size limit is refused");
  DeleteFileW(bigPath.c_str());

  const auto fromPlain = ReadBrandingFile(plainPath);
  const auto fromEnciphered = ReadBrandingFile(encipheredPath);
  Check(fromPlain && fromEnciphered && *fromPlain == *fromEnciphered,
        "plain and enciphered files parse alike");
  if (fromEnciphered) {
    WhiteLabelData data = ReadWhiteLabelCatalogue(*fromEnciphered);
    auto product = data.products.find(L"Wine");
    Check(product != data.products.end() &&
              product->second.strings[L"spa"][L"STRING_IDS_PRODUCT_LONGNAME"] ==
                  L"Protecci\u00F3n \U0001F6E1",
          "UTF-8 texts become UTF-16, with surrogate pairs beyond U+FFFF");
  }

  // The whole way: setup values in the registry, the file in the all-users folder.
  HKEY setup = nullptr;
  const bool keyMade = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSetupKey, 0, nullptr, 0,
                                       KEY_READ | KEY_WRITE, nullptr, &setup,
                                       nullptr) == ERROR_SUCCESS;
  Check(keyMade, "the setup key can be written");
  if (keyMade) {
    SetSetupValue(setup, L"InitialCompanyName", L"Orvex Software");
    SetSetupValue(setup, L"InitialProductName", L"KXUA e2e");
    SetSetupValue(setup, L"Language", L"spa");
    const std::wstring raw = GetRawFolder();
    Check(raw.size() > 40 && raw.find(L"\\Orvex Software\\KXUA e2e\\res\\Current\\raw\\") !=
                                 std::wstring::npos,
          "the raw folder is under the all-users data folder");
    CreateFolders(raw);
    if (enciphered) WriteFile(raw + WhiteLabelCatalogue::kFileName, *enciphered);
    LoadAlertColors();
    Check(AlertColor(kAlertTitleBackColor) == 7098123u, "alert colours load from the catalogue");
    Check(EnsureWhiteLabelCatalogue().GetString(L"STRING_IDS_PRODUCT_LONGNAME") ==
              L"Protecci\u00F3n \U0001F6E1",
          "strings come in the install language");
    DeleteFileW((raw + WhiteLabelCatalogue::kFileName).c_str());
    RegCloseKey(setup);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kSetupKey);
  }
  DeleteFileW(plainPath.c_str());
  DeleteFileW(encipheredPath.c_str());
  RemoveDirectoryW(folder.c_str());

  return wine::Summary();
}
