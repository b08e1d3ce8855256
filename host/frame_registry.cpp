#include "host/frame_registry.h"

#include "frames/informative/informative_frames.h"

namespace kxua {

FrameRegistry& Frames() {
  static FrameRegistry registry = [] {
    FrameRegistry frames;
    RegisterInformativeFrames(frames);
    return frames;
  }();
  return registry;
}

}  // namespace kxua
