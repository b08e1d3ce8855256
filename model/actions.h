// Requests to the product's action manager: alerts never act on the system
// themselves. Each request does nothing, silently, without a context, an action
// manager or the objects it passes.
#pragma once

#include <string>

#include "kxua/alerts.h"
#include "kxua/services.h"
#include "platform/platform.h"

namespace kxua {

namespace action_name {
inline constexpr wchar_t OpenShellFolder[] = L"OpenShellFolder";
inline constexpr wchar_t RestartSystem[] = L"RestartSystem";
inline constexpr wchar_t ShowFilePropertiesDialog[] = L"ShowFilePropertiesDialog";
}  // namespace action_name

// How long a properties request waits for the dialog to appear, and how often it
// looks.
inline constexpr std::uint64_t kPropertiesWaitMs = 5000;
inline constexpr std::uint32_t kPropertiesPollMs = 20;
// The class of the standard dialogs, the properties dialog among them.
inline constexpr wchar_t kDialogClassName[] = L"#32770";

// Shows the folder of `path` (a file or a folder), passed as text.
void OpenShellFolder(IZYMApplicationContext* context, const std::wstring& path);

// The reboot frames ask with the number 0; the administration and
// synchronization-restart frames with an empty text. The product accepts both.
enum class RestartArgument { Zero, EmptyText };
void RestartSystem(IZYMApplicationContext* context, RestartArgument argument);

// What ShowFileProperties needs of the frame that asks: the picture that was
// clicked, and the properties window the frame raised last.
class PropertiesOwner {
 public:
  // Disabled while a request runs, enabled again when it ends.
  virtual void EnablePropertiesPicture(bool enabled) = 0;

  // 0 for none. Not watched: a dialog the user closed only gets a harmless close
  // message at the next request.
  platform::WindowHandle propertiesWindow = 0;

 protected:
  ~PropertiesOwner() = default;
};

// Asks for the properties dialog of the notification's `Path` (converted for the
// shell), under the hourglass, then waits up to kPropertiesWaitMs for a dialog of
// this process to appear and makes it top-most, so that it is not lost behind the
// alert. A dialog from the owner's previous request is closed first. Messages are
// processed once before the wait, not during it.
void ShowFileProperties(IZYMApplicationContext* context, IUINotification* notification,
                        PropertiesOwner& owner);

// Frames pass on only objects that are extended actions; the host window passes
// whatever the product registered.
enum class PreparedObject { ExtendedAction, AsRegistered };
// Runs the action object the product registered in the context under `objectName`.
void RunPreparedAction(IZYMApplicationContext* context, const std::wstring& objectName,
                       PreparedObject kind);

}  // namespace kxua
