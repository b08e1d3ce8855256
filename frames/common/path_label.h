// Paths as the frames show them: in the drive form, lower-cased, and whole in the
// label's hint, so that a path cut with an ellipsis can still be read.
#pragma once

#include <string>

namespace kxua::ui {
class Control;
}

namespace kxua {

// `path` converted for display and lower-cased; empty when it cannot be converted.
std::wstring DisplayPath(const std::wstring& path);

// Shows `text` in `label` (nothing without a label) and in its hint.
void ShowPath(ui::Control* label, const std::wstring& text);

}  // namespace kxua
