// The eleven alert colours (0x00BBGGRR), process-wide and 0 until loaded from the
// active product's branding.
#pragma once

#include <cstdint>
#include <optional>

namespace kxua {

enum AlertColorId : int {
  kAlertBodyBackColor = 10101,
  kAlertBodyTextColor = 10102,
  kAlertTitleBackColor = 10103,
  kAlertTitleTextColor = 10104,
  kAlertTitleDetailTextColor = 10105,
  kAlertFootBackColor = 10106,
  kAlertFootTextColor = 10107,
  kAlertTitleWarningBackColor = 10108,
  kAlertTitleWarningTextColor = 10109,
  kAlertTitleWarningDetailTextColor = 10110,
  kAlertButtonTextColor = 10111,
};

// Sets each colour that the white-label catalogue has; the others keep their value.
// Nothing changes when the catalogue cannot be loaded.
void LoadAlertColors();

// The colour of `id`; 0 for ids outside 10101..10111.
std::uint32_t AlertColor(int id);
// The colour of `id` if the branding gave it. Controls keep their own colour
// otherwise: a toast painted in the unloaded 0 would be black text on black.
std::optional<std::uint32_t> LoadedAlertColor(int id);

// Tests only: sets every colour back to 0.
void ResetAlertColorsForTests();

}  // namespace kxua
