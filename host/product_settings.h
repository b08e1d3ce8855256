// The game-mode rules' view of the product: flags of the product information and
// values of the product's configuration object.
#pragma once

#include <functional>

#include "host/game_mode.h"
#include "model/zym_utils.h"

namespace kxua {

class ProductSettings final : public GameModeSettings {
 public:
  // `settings` reaches the configuration object; `modernDesktopInFront` asks the
  // modern desktop's companion library.
  ProductSettings(CZYMUtils& settings, std::function<bool()> modernDesktopInFront)
      : settings_(settings), modernDesktopInFront_(std::move(modernDesktopInFront)) {}

  // Loads the product information on first need, with its own context.
  std::optional<bool> ProductFlag(const wchar_t* name) override;
  std::optional<bool> ConfigFlag(std::int32_t id) override;
  bool ModernDesktopInFront() override { return modernDesktopInFront_(); }

 private:
  CZYMUtils& settings_;
  std::function<bool()> modernDesktopInFront_;
};

}  // namespace kxua
