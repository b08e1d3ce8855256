#include "frames/frame_families.h"

#include "frames/ask/ask_frames.h"
#include "frames/informative/informative_frames.h"
#include "frames/reboot/reboot_frames.h"

namespace kxua {

FrameRegistry& Frames() {
  static FrameRegistry registry = [] {
    FrameRegistry frames;
    // One line per family.
    RegisterInformativeFrames(frames);
    RegisterRebootFrames(frames);
    RegisterAskFrames(frames);
    return frames;
  }();
  return registry;
}

}  // namespace kxua
