// A bare frame for fuzz targets that drive controls and layouts: it owns a window
// on the simulated platform and paints what it is given.
#pragma once

#include <string>

#include "ui/frame.h"

namespace kxua::fuzz {

class FuzzFrame final : public ui::Frame {
 public:
  FuzzFrame() : ui::Frame(nullptr, 0) {}
  std::wstring ClassName() const override { return L"TFrame"; }
};

}  // namespace kxua::fuzz
