// What the host tests share: a run through the exported entry point on the
// simulated platform, with the testbed as the product and frames that record what
// the host does with them.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "host/alert_loop.h"
#include "frames/frame_families.h"
#include "kxua/KXUAAlerts.h"
#include "kxua/values.h"
#include "platform/sim/sim_platform.h"
#include "testbed/action_manager.h"
#include "testbed/alerts_manager.h"
#include "testbed/application_context.h"

namespace kxua {

using testbed::Notification;
using testbed::Signal;

inline std::shared_ptr<Notification> Alert(std::int32_t formType) {
  auto notification = std::make_shared<Notification>();
  notification->SetNumber(key::FormType, formType);
  return notification;
}

// What the host did with the test frames.
struct FrameLog {
  int created = 0;
  int inits = 0;
  int refreshes = 0;
  IUINotification* notification = nullptr;
  std::vector<std::uintptr_t> keys;  // forwarded key presses
};

// A frame that records what the host does with it.
class TestFrame final : public AlertFrame {
 public:
  static inline FrameLog log;

  TestFrame(const FrameInput& input, Kind kind) : AlertFrame(input.host, 300, 100), kind_(kind) {
    CreateFrameWindow();
    ++log.created;
    log.notification = input.notification;
  }
  void InitAlert() override { ++log.inits; }
  void RefreshAlerts() override { ++log.refreshes; }
  std::wstring ClassName() const override { return L"TestFrame"; }
  Kind FrameKind() const override { return kind_; }

  static std::unique_ptr<AlertFrame> Single(const FrameInput& in) {
    return std::make_unique<TestFrame>(in, Kind::Single);
  }
  static std::unique_ptr<AlertFrame> Paging(const FrameInput& in) {
    return std::make_unique<TestFrame>(in, Kind::Paging);
  }
  static std::unique_ptr<AlertFrame> Campaign(const FrameInput& in) {
    return std::make_unique<TestFrame>(in, Kind::Campaign);
  }
  static std::unique_ptr<AlertFrame> Refused(const FrameInput&) { return nullptr; }

 protected:
  void KeyPressed(std::uintptr_t virtualKey) override { log.keys.push_back(virtualKey); }

 private:
  Kind kind_;
};

// Registers a frame for the length of a test, in place of the library's own.
class ScopedFrame {
 public:
  ScopedFrame(std::int32_t list, std::int32_t formType, FrameFactory factory)
      : list_(list), formType_(formType), previous_(Frames().Find(list, formType)) {
    Frames().Register(list, formType, factory);
  }
  ~ScopedFrame() { Frames().Register(list_, formType_, previous_); }

 private:
  std::int32_t list_, formType_;
  FrameFactory previous_;
};

class RunTest : public ::testing::Test {
 protected:
  RunTest() { TestFrame::log = {}; }
  ~RunTest() override { context->Release(); }

  // A run as the product makes it: one reference added for the call.
  std::int32_t Run(IUIAlertsManager* runManager) {
    context->AddRef();
    return KXUA_Initialize(runManager, context);
  }
  std::int32_t Run() { return Run(&manager); }

  // The host window of the run, for checks made from inside it.
  static TToastMainForm& Host() { return *RunningHost(); }

  sim::ScopedSimPlatform sim;
  testbed::AlertsManager manager;
  testbed::ApplicationContext* context = new testbed::ApplicationContext;
};

}  // namespace kxua
