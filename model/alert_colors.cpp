#include "model/alert_colors.h"

#include <array>

#include "model/white_label_catalogue.h"

namespace kxua {

namespace {

struct ColorKey {
  AlertColorId id;
  const wchar_t* key;
};

// In the order the product's own loader asks for them.
constexpr ColorKey kColorKeys[] = {
    {kAlertTitleBackColor, L"IDS_ALERT_TITLE_BACK_COLOR"},
    {kAlertTitleTextColor, L"IDS_ALERT_TITLE_TEXT_COLOR"},
    {kAlertTitleDetailTextColor, L"IDS_ALERT_TITLE_DETAIL_TEXT_COLOR"},
    {kAlertBodyBackColor, L"IDS_ALERT_BODY_BACK_COLOR"},
    {kAlertBodyTextColor, L"IDS_ALERT_BODY_TEXT_COLOR"},
    {kAlertFootBackColor, L"IDS_ALERT_FOOT_BACK_COLOR"},
    {kAlertFootTextColor, L"IDS_ALERT_FOOT_TEXT_COLOR"},
    {kAlertTitleWarningBackColor, L"IDS_ALERT_TITLE_WARNING_BACK_COLOR"},
    {kAlertTitleWarningTextColor, L"IDS_ALERT_TITLE_WARNING_TEXT_COLOR"},
    {kAlertTitleWarningDetailTextColor, L"IDS_ALERT_TITLE_WARNING_DETAIL_TEXT_COLOR"},
    {kAlertButtonTextColor, L"IDS_ALERT_BUTTON_TEXT_COLOR"},
};

constexpr int kFirstColor = kAlertBodyBackColor;
constexpr int kLastColor = kAlertButtonTextColor;

std::array<std::uint32_t, kLastColor - kFirstColor + 1> colors{};
std::array<bool, kLastColor - kFirstColor + 1> loaded{};

}  // namespace

void LoadAlertColors() {
  const WhiteLabelCatalogue& catalogue = EnsureWhiteLabelCatalogue();
  if (!catalogue.IsLoaded()) return;
  for (const ColorKey& entry : kColorKeys) {
    std::uint32_t value = 0;
    if (!catalogue.GetColor(entry.key, value)) continue;
    colors[entry.id - kFirstColor] = value;
    loaded[entry.id - kFirstColor] = true;
  }
}

std::uint32_t AlertColor(int id) {
  if (id < kFirstColor || id > kLastColor) return 0;
  return colors[id - kFirstColor];
}

std::optional<std::uint32_t> LoadedAlertColor(int id) {
  if (id < kFirstColor || id > kLastColor || !loaded[id - kFirstColor]) return std::nullopt;
  return colors[id - kFirstColor];
}

void ResetAlertColorsForTests() {
  colors.fill(0);
  loaded.fill(false);
}

}  // namespace kxua
