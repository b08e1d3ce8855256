#include "frames/common/alert_frame.h"

namespace kxua {

AlertFrame::AlertFrame(platform::WindowHandle host, int width, int height)
    : host_(host), width_(width), height_(height) {
  CreateHandle({host, 0, {0, 0, width, height}});
}

void AlertFrame::RequestClose() const { platform::Get().PostMessage(host_, kMsgCloseAlert, 0, 0); }

}  // namespace kxua
