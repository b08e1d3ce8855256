// Where the toast sits: 5 pixels inside the bottom-right corner of the work area,
// kept there when the system moves or resizes it, snapped to the work area's edges
// while the user drags it.
#pragma once

#include <optional>

#include "frames/common/alert_constants.h"
#include "platform/platform.h"

namespace kxua {

// The screen minus the taskbar, which is taken off only when it spans a whole side
// (as SubtractRect does). Without a taskbar the work area is the whole screen:
// keeping the toast where it was would leave it off-screen, never seen.
platform::Rect WorkArea(platform::Size screen, const std::optional<platform::Rect>& taskbar);

// The bounds of a window of `size` placed in the bottom-right corner.
platform::Rect PlaceToast(const platform::Rect& workArea, platform::Size size);

// Changes the proposed position in `pos`: snapped to the edges while the user moves
// the window; otherwise kept inside the bottom-right margin (except for a campaign
// alert, which places itself). `current` is the window's present bounds. Returns
// whether a correction was made outside a user move.
bool GuardPosition(platform::WindowPos& pos, const platform::Rect& current,
                   const platform::Rect& workArea, bool moving, bool campaign);

// Where a toast that the user's move left at `bounds` settles when the move ends.
// While dragging it may go anywhere, but a toast left outside the work area could not
// be seen or answered: one past the right or bottom edge comes back to the margin
// the guard keeps; one past the left or top edge comes to that edge, where snapping
// would put it. A toast wholly inside stays, snapped edges included. An empty work
// area (a taskbar covering the screen) changes nothing.
platform::Rect SettleAfterMove(const platform::Rect& bounds, const platform::Rect& workArea);

}  // namespace kxua
