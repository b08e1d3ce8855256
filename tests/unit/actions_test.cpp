// Action requests: the argument types each request passes, the silence of missing
// pieces, and the wait for the properties dialog on the virtual clock.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kxua/values.h"
#include "frames/common/file_properties.h"
#include "model/actions.h"
#include "model/automation_error.h"
#include "platform/sim/sim_platform.h"
#include "testbed/action_manager.h"
#include "testbed/application_context.h"
#include "testbed/notification.h"
#include "testbed/tracking.h"
#include "tests/unit/frame_test_host.h"

namespace kxua {
namespace {

using platform::WindowHandle;
using sim::SimPlatform;
using testbed::RecordedValue;

class ActionsTest : public ::testing::Test {
 protected:
  ActionsTest() {
    context->Register(progid::ActionManager, actions);
    context->Register(progid::ExtendedAction, extended);
    context->Register(L"Alert.Prepared", prepared);
    context->Register(L"Alert.PlainObject", plain);
  }
  ~ActionsTest() override {
    plain->Release();
    prepared->Release();
    extended->Release();
    actions->Release();
    context->Release();
  }

  sim::ScopedSimPlatform sim;
  testbed::ApplicationContext* context = new testbed::ApplicationContext;
  testbed::ActionManager* actions = new testbed::ActionManager;
  testbed::ActionObject* extended = new testbed::ActionObject(L"extended");
  testbed::ActionObject* prepared = new testbed::ActionObject(L"prepared");
  testbed::StringMap* plain = new testbed::StringMap;  // an object that is no action
};

TEST_F(ActionsTest, EachRequestPassesItsArgumentType) {
  const struct Case {
    const char* name;
    std::function<void(IZYMApplicationContext*)> request;
    std::wstring action;
    RecordedValue argument;
    std::wstring objectName;
  } cases[] = {
      {"open folder", [](auto* c) { OpenShellFolder(c, L"C:\\dir\\file.exe"); },
       L"OpenShellFolder", RecordedValue::Text(L"C:\\dir\\file.exe"), L""},
      {"restart from a reboot frame", [](auto* c) { RestartSystem(c, RestartArgument::Zero); },
       L"RestartSystem", RecordedValue::Number(VT_INT, 0), L""},
      {"restart from an administration frame",
       [](auto* c) { RestartSystem(c, RestartArgument::EmptyText); }, L"RestartSystem",
       RecordedValue::Text(L""), L""},
      {"prepared action from a frame",
       [](auto* c) { RunPreparedAction(c, L"Alert.Prepared", PreparedObject::ExtendedAction); },
       L"", {VT_DISPATCH, L"", 0, true}, L"prepared"},
      {"prepared action from the host",
       [](auto* c) { RunPreparedAction(c, L"Alert.Prepared", PreparedObject::AsRegistered); },
       L"", {VT_DISPATCH, L"", 0, true}, L"prepared"},
      {"host passes any object",
       [](auto* c) { RunPreparedAction(c, L"Alert.PlainObject", PreparedObject::AsRegistered); },
       L"", {VT_DISPATCH, L"", 0, true}, L""},
  };
  const ULONG preparedReferences = prepared->References();
  const ULONG managerReferences = actions->References();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::size_t before = actions->Requests().size();
    c.request(context);
    const auto requests = actions->Requests();
    ASSERT_EQ(before + 1, requests.size());
    EXPECT_EQ(c.action, requests.back().action);
    EXPECT_FALSE(requests.back().actionIsNull);
    EXPECT_EQ(c.argument, requests.back().argument);
    EXPECT_EQ(c.objectName, requests.back().objectName);
  }
  EXPECT_EQ(preparedReferences, prepared->References()) << "the variant's reference is given back";
  EXPECT_EQ(managerReferences, actions->References());
}

TEST_F(ActionsTest, MissingPiecesMakeRequestsDoNothing) {
  const std::function<void(IZYMApplicationContext*)> requests[] = {
      [](auto* c) { OpenShellFolder(c, L"C:\\x"); },
      [](auto* c) { RestartSystem(c, RestartArgument::Zero); },
      [](auto* c) { RunPreparedAction(c, L"Alert.Prepared", PreparedObject::ExtendedAction); },
  };
  const ULONG plainReferences = plain->References();
  for (const auto& request : requests) request(nullptr);
  // Names that serve nothing usable: unknown, empty, or no action for a frame.
  RunPreparedAction(context, L"Alert.Missing", PreparedObject::AsRegistered);
  RunPreparedAction(context, L"", PreparedObject::AsRegistered);
  RunPreparedAction(context, L"Alert.PlainObject", PreparedObject::ExtendedAction);
  EXPECT_TRUE(actions->Requests().empty());
  EXPECT_EQ(plainReferences, plain->References());

  context->Unregister(progid::ActionManager);
  for (const auto& request : requests) request(context);
  EXPECT_TRUE(actions->Requests().empty());
}

TEST_F(ActionsTest, DemoOpensFoldersOnlyWhenAsked) {
  OpenShellFolder(context, L"C:\\a\\file.exe");
  EXPECT_TRUE(sim->OpenedFolders().empty());
  actions->SetOpensFolders(true);
  OpenShellFolder(context, L"C:\\b\\file.exe");
  RestartSystem(context, RestartArgument::EmptyText);
  EXPECT_EQ(std::vector<std::wstring>{L"C:\\b\\file.exe"}, sim->OpenedFolders());
}

bool TopMost(const SimPlatform& sim, WindowHandle window) {
  const sim::SimWindow* w = sim.FindWindow(window);
  return w != nullptr && (w->exStyle & platform::exstyle::TopMost) != 0;
}

// A frame with an information picture.
class PictureFrame final : public PropertiesOwner {
 public:
  explicit PictureFrame(SimPlatform& sim) : sim_(sim) {}
  void EnablePropertiesPicture(bool enabled) override {
    pictureStates.push_back(enabled);
    cursorWhenEnabled = sim_.CurrentCursor();
  }
  std::vector<bool> pictureStates;
  platform::Cursor cursorWhenEnabled = platform::Cursor::Arrow;

 private:
  SimPlatform& sim_;
};

class FilePropertiesTest : public ActionsTest {
 protected:
  FilePropertiesTest() { notification.SetText(key::Path, L"\\??\\C:\\dir\\file.exe"); }

  testbed::Notification notification;
  PictureFrame frame{*sim};
};

TEST_F(FilePropertiesTest, AsksForTheConvertedPathUnderTheHourglass) {
  const ULONG references = extended->References();
  std::optional<platform::Cursor> cursorDuringWait;
  sim->At(10, [&] { cursorDuringWait = sim->CurrentCursor(); });
  ShowFileProperties(context, &notification, frame);

  const auto requests = actions->Requests();
  ASSERT_EQ(1u, requests.size());
  EXPECT_EQ(L"ShowFilePropertiesDialog", requests[0].action);
  EXPECT_EQ(VT_DISPATCH, requests[0].argument.type);
  EXPECT_EQ(L"extended", requests[0].objectName);
  EXPECT_EQ((std::map<std::wstring, RecordedValue>{{L"Path", RecordedValue::Text(L"C:\\dir\\file.exe")}}),
            requests[0].objectItems);
  EXPECT_EQ(std::vector<std::wstring>({progid::ActionManager, progid::ExtendedAction}),
            context->Lookups());
  EXPECT_EQ(platform::Cursor::HourGlass, cursorDuringWait);
  EXPECT_EQ(platform::Cursor::Arrow, sim->CurrentCursor());
  EXPECT_EQ(references, extended->References());
}

TEST_F(FilePropertiesTest, WaitsForTheDialogOfThisProcess) {
  constexpr std::uint64_t kNever = UINT64_MAX;
  const struct Case {
    std::uint64_t appearsAt;
    bool found;
    std::uint64_t returnsAt;
  } cases[] = {
      {0, true, 0},
      {60, true, 60},
      {61, true, 80},  // seen at the next look, 20 ms later
      {5000, true, 5000},
      {5001, false, 5000},
      {kNever, false, 5000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.appearsAt);
    const std::uint64_t start = sim->TickCount();
    PictureFrame owner(*sim);
    // Dialogs of other processes and other windows of this one never count.
    const WindowHandle otherProcess = sim->AddExternalWindow(kDialogClassName, 4242);
    const WindowHandle otherClass = sim->AddExternalWindow(L"Shell_TrayWnd", SimPlatform::kProcessId);
    WindowHandle dialog = 0;
    const auto appear = [&] { dialog = sim->AddExternalWindow(kDialogClassName, SimPlatform::kProcessId); };
    if (c.appearsAt == 0)
      appear();
    else if (c.appearsAt != kNever)
      sim->At(c.appearsAt, appear);

    ShowFileProperties(context, &notification, owner);

    EXPECT_EQ(c.returnsAt, sim->TickCount() - start);
    EXPECT_EQ(c.found ? dialog : 0, owner.propertiesWindow);
    EXPECT_EQ(c.found, TopMost(*sim, dialog));
    EXPECT_FALSE(TopMost(*sim, otherProcess));
    EXPECT_FALSE(TopMost(*sim, otherClass));
    EXPECT_EQ(std::vector<bool>({false, true}), owner.pictureStates);
    EXPECT_EQ(platform::Cursor::Arrow, sim->CurrentCursor());

    sim->RunFor(10);  // a dialog that came too late appears now
    for (WindowHandle window : {otherProcess, otherClass, dialog}) sim->DestroyWindow(window);
  }
}

TEST_F(FilePropertiesTest, TheToastStaysResponsiveWhileItWaits) {
  // A message for the toast posted during the wait is handled during it, not after.
  test::FrameTestHost host;
  int handledBeforeTheDialog = -1;
  sim->At(30, [&] { host.RequestClose(); });
  sim->At(100, [&] {
    handledBeforeTheDialog = host.closeRequests;
    sim->AddExternalWindow(kDialogClassName, SimPlatform::kProcessId);
  });
  ShowFileProperties(context, &notification, frame);
  EXPECT_EQ(1, handledBeforeTheDialog);
  EXPECT_NE(0u, frame.propertiesWindow);
}

TEST_F(FilePropertiesTest, AnOwnerFreedDuringTheWaitIsLeftAlone) {
  // The alert was answered or expired while the dialog was awaited: the wait ends
  // at the next look and touches nothing of the freed owner.
  auto owner = std::make_unique<PictureFrame>(*sim);
  PictureFrame* const asking = owner.get();
  sim->At(50, [&] { owner.reset(); });
  const std::uint64_t start = sim->TickCount();
  ShowFileProperties(context, &notification, *asking);
  EXPECT_EQ(nullptr, owner);
  EXPECT_EQ(60u, sim->TickCount() - start);
  EXPECT_EQ(platform::Cursor::Arrow, sim->CurrentCursor());
}

TEST_F(FilePropertiesTest, NextRequestClosesTheRememberedDialog) {
  const WindowHandle first = sim->AddExternalWindow(kDialogClassName, SimPlatform::kProcessId);
  ShowFileProperties(context, &notification, frame);
  ASSERT_EQ(first, frame.propertiesWindow);

  WindowHandle second = 0;
  sim->At(40, [&] { second = sim->AddExternalWindow(kDialogClassName, SimPlatform::kProcessId); });
  ShowFileProperties(context, &notification, frame);
  EXPECT_FALSE(sim->IsWindow(first));
  EXPECT_EQ(second, frame.propertiesWindow);

  // The user closed it; the stale handle only gets a close message that reaches
  // nothing, and the request goes on.
  sim->DestroyWindow(second);
  ShowFileProperties(context, &notification, frame);
  EXPECT_EQ(0u, frame.propertiesWindow);
  EXPECT_EQ(3u, actions->Requests().size());
}

TEST_F(FilePropertiesTest, MissingPiecesEndTheRequestAtOnce) {
  const struct Case {
    const char* name;
    const wchar_t* unregister;
  } cases[] = {
      {"no action manager", progid::ActionManager},
      {"no extended action", progid::ExtendedAction},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::uint64_t start = sim->TickCount();
    PictureFrame owner(*sim);
    owner.propertiesWindow = sim->AddExternalWindow(kDialogClassName, SimPlatform::kProcessId);
    const WindowHandle remembered = owner.propertiesWindow;
    context->Unregister(c.unregister);

    ShowFileProperties(context, &notification, owner);

    EXPECT_TRUE(actions->Requests().empty());
    EXPECT_EQ(start, sim->TickCount()) << "no wait";
    EXPECT_FALSE(sim->IsWindow(remembered)) << "the earlier dialog is closed first";
    EXPECT_EQ(0u, owner.propertiesWindow);
    EXPECT_EQ(std::vector<bool>({false, true}), owner.pictureStates);
    EXPECT_EQ(platform::Cursor::Arrow, sim->CurrentCursor());
    context->Register(progid::ActionManager, actions);
    context->Register(progid::ExtendedAction, extended);
  }

  ShowFileProperties(nullptr, &notification, frame);
  EXPECT_TRUE(frame.pictureStates.empty()) << "without a context nothing happens at all";
}

TEST_F(FilePropertiesTest, AnAbandonedRequestRestoresThePictureAndCursor) {
  context->Register(progid::ExtendedAction, plain);  // no IZYMExtendedAction: reported
  sim->SetAnswer(platform::Answer::Yes);             // the user abandons the operation
  EXPECT_THROW(ShowFileProperties(context, &notification, frame), AutomationError);
  EXPECT_EQ(1u, sim->Questions().size());
  EXPECT_EQ(std::vector<bool>({false, true}), frame.pictureStates);
  EXPECT_EQ(platform::Cursor::Arrow, sim->CurrentCursor());
  EXPECT_TRUE(actions->Requests().empty());
}

}  // namespace
}  // namespace kxua
