#include "host/product_settings.h"

#include "model/product_info.h"
#include "model/services.h"

namespace kxua {

namespace {
// A boolean counts only when it is one: true is -1, false 0.
std::optional<bool> AsBoolean(const VARIANT& value) {
  if (value.vt != VT_BOOL) return std::nullopt;
  if (value.boolVal == VARIANT_TRUE) return true;
  if (value.boolVal == VARIANT_FALSE) return false;
  return std::nullopt;
}
}  // namespace

std::optional<bool> ProductSettings::ProductFlag(const wchar_t* name) {
  ProductInfoManager& info = ProductInfoManager::Instance();
  if (!info.IsLoaded()) info.Load(std::wstring(), nullptr, std::wstring());
  return AsBoolean(info.GetProperty(name).Get());
}

std::optional<bool> ProductSettings::ConfigFlag(std::int32_t id) {
  ComPtr<ICCGUIConfig> config = LookUp<ICCGUIConfig>(settings_.Context(), progid::Config);
  if (!config) return std::nullopt;
  Variant value;
  if (FAILED(config->GetConfigValue(id, value.Receive()))) return std::nullopt;
  return AsBoolean(value.Get());
}

}  // namespace kxua
