// The rows of the frames that describe a program: the title, the text above the
// rows, and the program's name, folder (a link), publisher and the program that
// started it, each value whole in its hint. The untrusted-file ask and the newer
// restart alert show them alike.
#pragma once

#include "frames/common/frame_texts.h"
#include "kxua/alerts.h"
#include "kxua/services.h"

namespace kxua::ui {
class Component;
}

namespace kxua {

// The alert icon when the notification names none.
inline constexpr int kDefaultMainIcon = 3173;

// Fills the controls of `frame` named htmlProcessString, Text1 to Text5, Text2Value
// to Text5Value and MainIcon from `notification`. Texts without a translation keep
// their layout text; values are shown as read or converted, never translated.
void ShowProgramRows(const ui::Component& frame, FrameTexts& texts, IUINotification& notification);

// The folder link: shows the folder of the notification's `Path`.
void OpenProgramFolder(IZYMApplicationContext* context, IUINotification* notification);

}  // namespace kxua
