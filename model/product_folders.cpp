#include "model/product_folders.h"

#include "platform/platform.h"

namespace kxua {

namespace {

// The buffers the product's own readers use, terminator included.
constexpr std::size_t kPathBuffer = 260;
constexpr std::size_t kNameBuffer = 100;

std::wstring ReadSetupText(const wchar_t* name, std::size_t buffer) {
  return platform::Get()
      .ReadString(platform::RegistryRoot::LocalMachine, kSetupKey, name, buffer - 1)
      .value_or(std::wstring());
}

}  // namespace

std::wstring GetInstallFolder() { return ReadSetupText(L"Path", kPathBuffer); }

std::wstring GetInstallLanguage() { return ReadSetupText(L"Language", kPathBuffer); }

std::wstring GetProductDataFolder() {
  return platform::Get().GetKnownFolder(platform::KnownFolder::CommonAppData) + L'\\' +
         ReadSetupText(L"InitialCompanyName", kNameBuffer) + L'\\' +
         ReadSetupText(L"InitialProductName", kNameBuffer);
}

std::wstring GetImagesFolder() { return GetProductDataFolder() + L"\\res\\Current\\images\\"; }

std::wstring GetRawFolder(const std::wstring& whiteLabel) {
  return GetProductDataFolder() + L"\\res\\" + (whiteLabel.empty() ? L"Current" : whiteLabel) +
         L"\\raw\\";
}

std::wstring GetResourceLibraryPath() { return GetInstallFolder() + kResourceLibraryName; }

std::wstring GetMainProductID() {
  const std::optional<std::uint32_t> id =
      platform::Get().ReadNumber(platform::RegistryRoot::LocalMachine, kSetupKey,
                                 L"MainProductID");
  if (!id || *id == 0) return {};
  return std::to_wstring(*id);
}

}  // namespace kxua
