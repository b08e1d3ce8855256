// The delays and sizes of the toasts: the behaviour every frame shares and the
// host window that shows them. Each name carries its unit.
#pragma once

#include <cstdint>

namespace kxua {

// The frames.
inline constexpr std::uint32_t kDefaultViewingTimeMs = 8000;  // after the last interaction
inline constexpr std::uint32_t kCloseTickMs = 100;            // the close timer's step
inline constexpr std::uint32_t kFadeTimeMs = 3000;            // the last part of the viewing time
inline constexpr std::uint64_t kPropertiesWaitMs = 5000;      // for the file properties dialog
inline constexpr std::uint32_t kPropertiesPollMs = 20;        // how often it looks for it

// The host window.
inline constexpr int kFrameEdgePx = 1;        // the window's edge around its frame
inline constexpr int kToastMarginPx = 5;      // from the work area's right and bottom
inline constexpr int kSnapDistancePx = 16;    // to the work area's edges while dragged
inline constexpr int kOffScreenPx = -3000;    // where the window waits for its first alert
inline constexpr std::int64_t kExpiryMarginSeconds = 5;  // an alert this near its expiry goes unshown
inline constexpr std::uint64_t kLongestTimerIntervalMs = 0x7FFFFFFF;  // longer waits are made of steps

}  // namespace kxua
