#include "testbed/demo_brand.h"

#include <fstream>
#include <iterator>

#include "platform/sim/sim_platform.h"

namespace kxua::testbed {

namespace {

constexpr wchar_t kSetupKey[] = L"SOFTWARE\\Orvex Software\\Setup";
constexpr auto kMachine = platform::RegistryRoot::LocalMachine;

}  // namespace

std::wstring DemoBrand::ProductDataFolder() {
  return std::wstring(kCommonAppData) + L"\\" + kCompany + L"\\" + kProduct;
}

std::vector<std::uint8_t> BrandingFileContent(const std::string& name, FileForm form) {
  const std::string folder =
      form == FileForm::Plain ? KXUA_TESTBED_DATA_DIR : KXUA_TESTBED_ENCIPHERED_DIR;
  std::ifstream in(folder + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void InstallDemoBrand(sim::SimPlatform& sim, FileForm form, const std::wstring& language) {
  sim.SetKnownFolder(platform::KnownFolder::CommonAppData, DemoBrand::kCommonAppData);
  sim.SetRegistryString(kMachine, kSetupKey, L"Path", DemoBrand::kInstallFolder);
  sim.SetRegistryString(kMachine, kSetupKey, L"Language", language);
  sim.SetRegistryString(kMachine, kSetupKey, L"InitialCompanyName", DemoBrand::kCompany);
  sim.SetRegistryString(kMachine, kSetupKey, L"InitialProductName", DemoBrand::kProduct);
  sim.SetRegistryNumber(kMachine, kSetupKey, L"MainProductID", DemoBrand::kMainProductId);
  const std::wstring raw = DemoBrand::ProductDataFolder() + L"\\res\\Current\\raw\\";
  for (const char* name : {"KXProductInfo.xml", "KXWhiteLabelCat.xml"})
    sim.SetFile(raw + std::wstring(name, name + std::char_traits<char>::length(name)),
                BrandingFileContent(name, form));
}

}  // namespace kxua::testbed
