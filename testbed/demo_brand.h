// The demo brand: what the product's setup writes into the registry, and its
// branding files in the raw resource folder. Installed here on the simulated
// platform; the Windows demo installs the same on the real system.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kxua::sim {
class SimPlatform;
}  // namespace kxua::sim

namespace kxua::testbed {

struct DemoBrand {
  // The simulation's all-users application data folder.
  static constexpr wchar_t kCommonAppData[] = L"C:\\ProgramData";
  static constexpr wchar_t kCompany[] = L"Orvex Software";
  static constexpr wchar_t kProduct[] = L"Harbor Guard";
  static constexpr wchar_t kInstallFolder[] = L"C:\\Program Files\\Orvex Software\\Harbor Guard\\";
  static constexpr wchar_t kLanguage[] = L"spa";
  // The white-label id of the main product, as the setup records it.
  static constexpr std::uint32_t kMainProductId = 37;
  // The product version type of the free edition, which has its own properties.
  static constexpr std::uint32_t kFreeVersionType = 21;

  // Where the product data folder of the demo brand is on the simulated platform.
  static std::wstring ProductDataFolder();
};

enum class FileForm { Plain, Enciphered };

// The content of a branding file of the testbed ("KXProductInfo.xml",
// "KXWhiteLabelCat.xml"), as kept in the sources or enciphered at build time.
// Empty when the file cannot be read.
std::vector<std::uint8_t> BrandingFileContent(const std::string& name, FileForm form);

// Writes the setup's registry values, with `language` as the install language, and
// puts both branding files into the "Current" raw folder of `sim`.
void InstallDemoBrand(sim::SimPlatform& sim, FileForm form,
                      const std::wstring& language = DemoBrand::kLanguage);

}  // namespace kxua::testbed
