// ToWin32Path on arbitrary text, one character per input byte after the first,
// whose bits choose which system directories are known.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/path_conversion.h"
#include "platform/sim/sim_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kxua::sim::SimPlatform sim;
  kxua::platform::Install(&sim);
  if (size == 0) return 0;
  const std::wstring windows = (data[0] & 1) != 0 ? L"C:\\Windows" : L"";
  sim.SetWindowsDirectory(windows);
  sim.SetCurrentDirectory((data[0] & 2) != 0 ? L"D:\\work" : L"\\\\server\\share");
  const std::wstring text(data + 1, data + size);

  const std::wstring path = kxua::ToWin32Path(text);
  // Conversion adds at most the Windows directory and a separator, or a drive.
  if (path.size() > text.size() + windows.size() + 2) std::abort();
  return 0;
}
