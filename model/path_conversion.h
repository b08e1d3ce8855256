// Conversion of the paths that the product's drivers report (native object-manager
// paths, device-relative paths, paths under \SystemRoot or relative to System32)
// into ordinary drive or UNC paths, for display and for the shell.
#pragma once

#include <string>

namespace kxua {

// The drive or UNC form of `text`; an ordinary path comes back unchanged. Empty
// when the text cannot be converted: a malformed native prefix, or a system
// directory that the conversion needs and the system does not report.
std::wstring ToWin32Path(const std::wstring& text);

}  // namespace kxua
