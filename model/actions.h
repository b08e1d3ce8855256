// Requests to the product's action manager: alerts never act on the system
// themselves. Each request does nothing, silently, without a context, an action
// manager or the objects it passes.
#pragma once

#include <string>

#include "kxua/alerts.h"
#include "kxua/services.h"

namespace kxua {

namespace action_name {
inline constexpr wchar_t OpenShellFolder[] = L"OpenShellFolder";
inline constexpr wchar_t RestartSystem[] = L"RestartSystem";
inline constexpr wchar_t ShowFilePropertiesDialog[] = L"ShowFilePropertiesDialog";
}  // namespace action_name

// Shows the folder of `path` (a file or a folder), passed as text.
void OpenShellFolder(IZYMApplicationContext* context, const std::wstring& path);

// The reboot frames ask with the number 0; the administration and
// synchronization-restart frames with an empty text. The product accepts both.
enum class RestartArgument { Zero, EmptyText };
void RestartSystem(IZYMApplicationContext* context, RestartArgument argument);

// Asks for the properties dialog of the notification's `Path`, converted for the
// shell. False, with nothing asked, without the action manager or the object that
// carries the path.
bool RequestFileProperties(IZYMApplicationContext* context, IUINotification* notification);

// Frames pass on only objects that are extended actions; the host window passes
// whatever the product registered.
enum class PreparedObject { ExtendedAction, AsRegistered };
// Runs the action object the product registered in the context under `objectName`.
void RunPreparedAction(IZYMApplicationContext* context, const std::wstring& objectName,
                       PreparedObject kind);

}  // namespace kxua
