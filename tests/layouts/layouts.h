// The sample layouts of the tests (tests/layouts/*.layout.json).
#pragma once

#include <string>
#include <vector>

#include "ui/layout.h"

namespace kxua {

std::vector<ui::LayoutSource> TestLayouts();

// The sample layout whose path ends in `name`; throws when there is none.
inline ui::LayoutSource TestLayout(const std::string& name) {
  for (const ui::LayoutSource& source : TestLayouts()) {
    const std::string path = source.path;
    if (path.size() >= name.size() && path.compare(path.size() - name.size(), name.size(), name) == 0)
      return source;
  }
  throw std::runtime_error("no sample layout " + name);
}

}  // namespace kxua
