// Reads of notification values. Each presets the default and then asks the
// notification, so a missing value and the default look the same.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "kxua/alerts.h"

namespace kxua {

// The text capacities readers choose, terminator included.
inline constexpr std::size_t kShortText = 16;
inline constexpr std::size_t kText = 260;
inline constexpr std::size_t kLongText = 520;
inline constexpr std::size_t kPathText = 1040;
inline constexpr std::size_t kUrlText = 2048;

// The value cut to `capacity - 1` characters, as it would stand in a buffer of
// `capacity` characters. A null notification gives the default.
std::wstring ReadText(IUINotification* notification, const wchar_t* key, std::size_t capacity,
                      const std::wstring& fallback = std::wstring());
std::int32_t ReadNumber(IUINotification* notification, const wchar_t* key, std::int32_t fallback);
std::uint64_t ReadNumber64(IUINotification* notification, const wchar_t* key,
                           std::uint64_t fallback = 0);
bool ReadFlag(IUINotification* notification, const wchar_t* key, bool fallback);
// The number when the notification has it; nothing otherwise.
std::optional<std::int32_t> FindNumber(IUINotification* notification, const wchar_t* key);

}  // namespace kxua
