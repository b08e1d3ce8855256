#include "host/product_settings.h"

#include "host/modern_toast.h"
#include "model/automation.h"
#include "model/product_info.h"
#include "model/services.h"

namespace kxua {

std::optional<bool> ProductSettings::ProductFlag(const wchar_t* name) { return kxua::ProductFlag(name); }

bool ProductSettings::ModernDesktopInFront() { return kxua::ModernDesktopInFront(); }

std::optional<bool> ProductSettings::ConfigFlag(std::int32_t id) {
  ComPtr<ICCGUIConfig> config = LookUp<ICCGUIConfig>(settings_.Context(), progid::Config);
  if (!config) return std::nullopt;
  Variant value;
  if (FAILED(config->GetConfigValue(id, value.Receive()))) return std::nullopt;
  return AsBoolean(value.Get());
}

}  // namespace kxua
