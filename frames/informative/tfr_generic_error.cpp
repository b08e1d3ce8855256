#include "frames/informative/tfr_generic_error.h"

#include "frames/common/frame_layouts.h"
#include "kxua/values.h"

namespace kxua {

TfrGenericError::TfrGenericError(const FrameInput& input) : AlertFrame(input, Reads::List) {
  LoadFrame(FrameLayouts());
}

void TfrGenericError::Fill(IUINotification& notification) {
  ShowText(notification, key::TitleText, L"lbTopText");
  ShowText(notification, key::MainText, L"labelMainText");
}

}  // namespace kxua
