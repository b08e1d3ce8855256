#include "frames/common/alert_frame.h"

namespace kxua {

AlertFrame::AlertFrame(platform::WindowHandle host, int width, int height)
    : host_(host), width_(width), height_(height) {}

bool AlertFrame::CreateFrameWindow() {
  // The window is named after the frame class, so tools can tell which alert shows.
  return CreateHandle({host_, 0, {0, 0, width_, height_}, ClassName()});
}

void AlertFrame::RequestClose() const { platform::Get().PostMessage(host_, kMsgCloseAlert, 0, 0); }

}  // namespace kxua
