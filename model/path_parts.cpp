#include "model/path_parts.h"

namespace kxua {

PathParts SplitPath(const std::wstring& path) {
  const std::size_t slash = path.rfind(L'\\');
  if (slash == std::wstring::npos) return {std::wstring(), path};
  return {path.substr(0, slash), path.substr(slash + 1)};
}

}  // namespace kxua
