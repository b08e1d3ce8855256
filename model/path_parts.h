// The parts of a path that frames show apart: the folder a file is in, and its
// name.
#pragma once

#include <string>

namespace kxua {

struct PathParts {
  std::wstring folder;    // up to the last backslash, without it; empty when there is none
  std::wstring fileName;  // after the last backslash; the whole path when there is none
};

PathParts SplitPath(const std::wstring& path);

}  // namespace kxua
