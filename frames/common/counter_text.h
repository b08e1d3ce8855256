// The position counter of the frames that page through notifications ("3/12").
#pragma once

#include <cstdint>
#include <string>

namespace kxua {

// Used when a notification brings no counter format, or one that cannot be used.
inline constexpr wchar_t kPlainCounterFormat[] = L"%1%/%2%";

// `position` (1-based) and `count` through Boost.Format's positional placeholders:
// below 100 notifications with `format` (the notification's ElementsCounter), from
// 100 with "%1%/%2%", from 10000 the position alone. Missing or surplus arguments
// are tolerated; an empty format, one Boost.Format cannot parse, or one that asks
// for a field wider than 99 characters gives the plain "%1%/%2%" instead.
std::wstring CounterText(const std::wstring& format, std::uint32_t position, std::uint32_t count);

}  // namespace kxua
