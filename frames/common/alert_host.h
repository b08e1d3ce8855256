// The window that shows alert frames. A frame whose parent is an AlertHost fades
// that window while it counts down; with any other parent it does not.
#pragma once

#include "ui/form.h"

namespace kxua {

class AlertHost : public ui::Form {
 protected:
  AlertHost(std::uint32_t exStyle, const std::wstring& title) : ui::Form(nullptr, exStyle, title) {}
};

}  // namespace kxua
