// The product information: feature properties of the installed product version,
// read from KXProductInfo.xml in the white label's raw resource folder.
#pragma once

#include <optional>
#include <string>

#include "kxua/com.h"
#include "model/automation.h"
#include "model/product_info_file.h"
#include "model/zym_utils.h"

namespace kxua {

class ProductInfoManager {
 public:
  static constexpr wchar_t kFileName[] = L"KXProductInfo.xml";
  static constexpr wchar_t kDefaultVersion[] = L"DEFAULT";

  // The process-wide instance, created on first use and never destroyed: releasing
  // the product's objects while the library is unloaded could call into servers
  // that are already gone. Used on the GUI thread only.
  static ProductInfoManager& Instance();

  // Reads the file of `whiteLabel` (see LoadBrandingFile) and attaches to
  // `hostContext`, or creates a context named `contextName` ("KXUAConsole.dat" when
  // empty). Loaded only when both succeed; every call reads the file again.
  bool Load(const std::wstring& whiteLabel, IUnknown* hostContext,
            const std::wstring& contextName);
  bool IsLoaded() const { return loaded_; }
  // The file read last.
  const std::wstring& Path() const { return path_; }

  // The property `name` of `version`, or of the installed product version type
  // (asked of "KXCCGUIUtils.ProductInfo") when `version` is empty; failing that, of
  // "DEFAULT". Empty when absent or not loaded.
  Variant GetProperty(const std::wstring& name, const std::wstring& version = std::wstring());

  // Tests only: forgets the process-wide instance, so that the next test starts
  // unloaded.
  static void ResetForTests();

 private:
  ProductInfoManager() = default;
  std::wstring InstalledVersionType();

  std::wstring path_;
  bool loaded_ = false;
  ProductInfoTables tables_;
  CZYMUtils utils_;
};

// A boolean property of the installed product, as the host's rules read it: the
// product information is loaded on first need (no white label, a context of its
// own), and the value counts only when it is a boolean, true being -1.
std::optional<bool> ProductFlag(const wchar_t* name);

}  // namespace kxua
