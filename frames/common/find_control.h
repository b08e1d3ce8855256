// How a tool learns where a control of the shown frame is, without seeing the
// frame's components: it sends the frame's window the registered message
// kFindControlMessage with a global atom of the control's name in wParam. The frame
// answers with the centre of that control in its client coordinates, packed as
// MAKELONG(x, y), or kControlAbsent when no such control shows. An atom rather than
// a pointer, because any process may send a registered message.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/platform.h"

namespace kxua {

inline constexpr wchar_t kFindControlMessage[] = L"KXUA_FindControl";
inline constexpr std::intptr_t kControlAbsent = -1;

inline std::intptr_t PackControlCentre(platform::Point centre) {
  return static_cast<std::intptr_t>((static_cast<std::uint32_t>(centre.y & 0xFFFF) << 16) |
                                    static_cast<std::uint32_t>(centre.x & 0xFFFF));
}

inline std::optional<platform::Point> UnpackControlCentre(std::intptr_t answer) {
  if (answer == kControlAbsent) return std::nullopt;
  const auto packed = static_cast<std::uint32_t>(answer);
  return platform::Point{static_cast<int>(packed & 0xFFFF), static_cast<int>(packed >> 16)};
}

}  // namespace kxua
