// Where the product's installation keeps things, from what its setup recorded under
// HKEY_LOCAL_MACHINE "SOFTWARE\Orvex Software\Setup". A value that cannot be read
// contributes an empty part; the paths are then built from what is there.
#pragma once

#include <string>

namespace kxua {

inline constexpr wchar_t kSetupKey[] = L"SOFTWARE\\Orvex Software\\Setup";
inline constexpr wchar_t kResourceLibraryName[] = L"KXUAResources.dll";

// The installation folder, with the trailing separator the setup writes.
std::wstring GetInstallFolder();
// The language code the product was installed in, such as "eng".
std::wstring GetInstallLanguage();
// The all-users application data folder + "\" company + "\" product.
std::wstring GetProductDataFolder();
// The product data folder + "\res\Current\images\".
std::wstring GetImagesFolder();
// The product data folder + "\res\" + `whiteLabel` + "\raw\", "Current" standing in
// for an empty name.
std::wstring GetRawFolder(const std::wstring& whiteLabel = std::wstring());
// The install folder + "KXUAResources.dll"; just the file name when the install
// folder is unknown, so that the system's library search applies.
std::wstring GetResourceLibraryPath();
// The main product's white-label id as decimal text; empty when absent or 0.
std::wstring GetMainProductID();

}  // namespace kxua
