// Product folders from the setup's registry values, with and without them.
#include <gtest/gtest.h>

#include "model/product_folders.h"
#include "platform/sim/sim_platform.h"
#include "testbed/demo_brand.h"

namespace kxua {
namespace {

using testbed::DemoBrand;

constexpr wchar_t kSetup[] = L"SOFTWARE\\Orvex Software\\Setup";
constexpr auto kMachine = platform::RegistryRoot::LocalMachine;

TEST(ProductFolders, FromTheSetupOfTheDemoBrand) {
  sim::ScopedSimPlatform sim;
  testbed::InstallDemoBrand(*sim, testbed::FileForm::Plain);
  const std::wstring data = L"C:\\ProgramData\\Orvex Software\\Harbor Guard";
  EXPECT_EQ(DemoBrand::kInstallFolder, GetInstallFolder());
  EXPECT_EQ(L"spa", GetInstallLanguage());
  EXPECT_EQ(data, GetProductDataFolder());
  EXPECT_EQ(data + L"\\res\\Current\\images\\", GetImagesFolder());
  EXPECT_EQ(data + L"\\res\\Current\\raw\\", GetRawFolder());
  EXPECT_EQ(data + L"\\res\\52\\raw\\", GetRawFolder(L"52"));
  EXPECT_EQ(std::wstring(DemoBrand::kInstallFolder) + L"KXUAResources.dll",
            GetResourceLibraryPath());
  EXPECT_EQ(L"37", GetMainProductID());
}

TEST(ProductFolders, MissingValuesLeaveEmptyParts) {
  sim::ScopedSimPlatform sim;
  EXPECT_EQ(L"", GetInstallFolder());
  EXPECT_EQ(L"", GetInstallLanguage());
  EXPECT_EQ(L"\\\\", GetProductDataFolder());
  EXPECT_EQ(L"\\\\\\res\\Current\\images\\", GetImagesFolder());
  EXPECT_EQ(L"KXUAResources.dll", GetResourceLibraryPath()) << "the system's search finds it";
  EXPECT_EQ(L"", GetMainProductID());

  sim->SetRegistryNumber(kMachine, kSetup, L"MainProductID", 0);
  EXPECT_EQ(L"", GetMainProductID()) << "0 names no product";
  sim->SetRegistryString(kMachine, kSetup, L"MainProductID", L"37");
  EXPECT_EQ(L"", GetMainProductID()) << "only a number counts";
  sim->SetRegistryNumber(kMachine, kSetup, L"MainProductID", 4294967295u);
  EXPECT_EQ(L"4294967295", GetMainProductID()) << "unsigned";
}

TEST(ProductFolders, ValuesAreCutToTheReadersBuffers) {
  sim::ScopedSimPlatform sim;
  sim->SetRegistryString(kMachine, kSetup, L"Path", std::wstring(300, L'p'));
  sim->SetRegistryString(kMachine, kSetup, L"InitialCompanyName", std::wstring(150, L'c'));
  sim->SetRegistryString(kMachine, kSetup, L"InitialProductName", std::wstring(150, L'n'));
  EXPECT_EQ(std::wstring(259, L'p'), GetInstallFolder());
  EXPECT_EQ(L"\\" + std::wstring(99, L'c') + L"\\" + std::wstring(99, L'n'),
            GetProductDataFolder());
}

}  // namespace
}  // namespace kxua
