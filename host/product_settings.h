// The game-mode rules' view of the product: flags of the product information and
// values of the product's configuration object.
#pragma once

#include "host/game_mode.h"
#include "model/zym_utils.h"

namespace kxua {

class ProductSettings final : public GameModeSettings {
 public:
  // `settings` reaches the configuration object.
  explicit ProductSettings(CZYMUtils& settings) : settings_(settings) {}

  std::optional<bool> ProductFlag(const wchar_t* name) override;
  std::optional<bool> ConfigFlag(std::int32_t id) override;
  // Asks the modern desktop's companion library.
  bool ModernDesktopInFront() override;

 private:
  CZYMUtils& settings_;
};

}  // namespace kxua
