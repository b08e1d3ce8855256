// The simulated platform: message order, virtual time, window lifetime, and the
// registry and COM tables that the other tests build on.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "platform/sim/sim_platform.h"

namespace kxua {
namespace {

using platform::Message;
using platform::WindowHandle;
namespace msg = platform::msg;

// One line of what the windows saw, with the virtual time it happened at.
struct Seen {
  WindowHandle window;
  std::uint32_t id;
  std::uintptr_t wParam;
  std::uint64_t at;

  friend bool operator==(const Seen& a, const Seen& b) {
    return a.window == b.window && a.id == b.id && a.wParam == b.wParam && a.at == b.at;
  }
  friend std::ostream& operator<<(std::ostream& out, const Seen& s) {
    return out << "{window " << s.window << ", msg " << s.id << ", wParam " << s.wParam
               << ", t=" << s.at << "}";
  }
};

class Recorder final : public platform::WindowHandler {
 public:
  Recorder(sim::SimPlatform& sim, std::vector<Seen>& log) : sim_(sim), log_(log) {}

  std::intptr_t HandleMessage(const Message& m) override {
    log_.push_back({m.window, m.id, m.wParam, sim_.TickCount()});
    if (onMessage) onMessage(m);
    return 0;
  }

  std::function<void(const Message&)> onMessage;

 private:
  sim::SimPlatform& sim_;
  std::vector<Seen>& log_;
};

class SimPlatformTest : public ::testing::Test {
 protected:
  WindowHandle NewWindow(WindowHandle parent = 0) {
    recorders_.push_back(std::make_unique<Recorder>(sim_, log_));
    platform::WindowSpec options;
    options.parent = parent;
    WindowHandle handle = sim_.CreateWindow(options, recorders_.back().get());
    EXPECT_NE(handle, 0u);
    return handle;
  }
  Recorder& RecorderOf(std::size_t index) { return *recorders_[index]; }

  // The next message for a window; scheduled actions arrive as thread messages
  // and are dispatched on the way, as a program's loop would.
  int NextWindowMessage(Message& m) {
    for (;;) {
      const int result = sim_.GetMessage(m);
      if (result == 0 || m.window != 0) return result;
      sim_.DispatchMessage(m);
    }
  }

  // Runs the loop as a program would, until WM_QUIT or a deadlock.
  int Pump() {
    Message m;
    while (sim_.GetMessage(m) != 0) sim_.DispatchMessage(m);
    return static_cast<int>(m.wParam);
  }

  sim::SimPlatform sim_;
  std::vector<Seen> log_;
  std::vector<std::unique_ptr<Recorder>> recorders_;
};

// --- Order and virtual time -------------------------------------------------------

TEST_F(SimPlatformTest, PostedMessagesComeBeforeQuitAndQuitBeforeDueTimers) {
  WindowHandle w = NewWindow();
  // Armed first, so at t=10 it runs before the timer that is due at the same time.
  sim_.At(10, [&] {
    sim_.PostMessage(w, msg::User, 1, 0);
    sim_.PostMessage(w, msg::User, 2, 0);
    sim_.PostQuit(3);
  });
  sim_.SetTimer(w, 7, 10);

  Message m;
  ASSERT_NE(NextWindowMessage(m), 0);
  EXPECT_EQ(m.id, msg::User);
  EXPECT_EQ(m.wParam, 1u);
  ASSERT_NE(NextWindowMessage(m), 0);
  EXPECT_EQ(m.wParam, 2u);
  EXPECT_EQ(NextWindowMessage(m), 0);  // the timer is due, yet WM_QUIT comes first
  EXPECT_EQ(m.id, msg::Quit);
  EXPECT_EQ(m.wParam, 3u);
  EXPECT_FALSE(sim_.Deadlocked());
  ASSERT_NE(NextWindowMessage(m), 0);
  EXPECT_EQ(m.id, msg::Timer);
  EXPECT_EQ(m.wParam, 7u);
  EXPECT_EQ(sim_.TickCount(), 10u);
}

TEST_F(SimPlatformTest, TimersAndActionsFireByDueTimeThenArmingOrder) {
  WindowHandle w = NewWindow();
  sim_.SetTimer(w, 1, 30);
  sim_.SetTimer(w, 2, 20);
  sim_.SetTimer(w, 3, 20);
  sim_.At(20, [&] { log_.push_back({0, 0, 99, sim_.TickCount()}); });

  sim_.RunFor(60);

  // At 60, timer 1 was re-armed (at 30) before 2 and 3 were (at 40).
  const std::vector<Seen> expected = {
      {w, msg::Timer, 2, 20}, {w, msg::Timer, 3, 20}, {0, 0, 99, 20},
      {w, msg::Timer, 1, 30}, {w, msg::Timer, 2, 40}, {w, msg::Timer, 3, 40},
      {w, msg::Timer, 1, 60}, {w, msg::Timer, 2, 60}, {w, msg::Timer, 3, 60},
  };
  EXPECT_EQ(log_, expected);
}

TEST_F(SimPlatformTest, ATimerArmedAgainFiresAfterItsTiesAndAKilledOneNotAtAll) {
  WindowHandle w = NewWindow();
  sim_.SetTimer(w, 1, 20);
  sim_.SetTimer(w, 2, 20);
  sim_.SetTimer(w, 1, 20);  // replaces the first: now armed after 2
  sim_.SetTimer(w, 3, 10);
  sim_.KillTimer(w, 3);
  sim_.KillTimer(w, 4);  // never armed
  EXPECT_EQ(sim_.TimerCount(), 2u);

  sim_.RunFor(20);

  EXPECT_EQ(log_, (std::vector<Seen>{{w, msg::Timer, 2, 20}, {w, msg::Timer, 1, 20}}));
}

TEST(SimPlatformTimer, IntervalsBelowTenMillisecondsAreRaisedToTen) {
  struct Case {
    std::uint32_t interval;
    std::uint64_t firstTick;
  };
  const Case cases[] = {{0, 10}, {1, 10}, {9, 10}, {10, 10}, {11, 11}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.interval);
    sim::SimPlatform sim;
    std::vector<Seen> log;
    Recorder recorder(sim, log);
    WindowHandle w = sim.CreateWindow({}, &recorder);
    ASSERT_TRUE(sim.SetTimer(w, 1, c.interval));
    Message m;
    ASSERT_NE(sim.GetMessage(m), 0);
    EXPECT_EQ(sim.TickCount(), c.firstTick);
    ASSERT_NE(sim.GetMessage(m), 0);
    EXPECT_EQ(sim.TickCount(), 2 * c.firstTick);
  }
}

TEST_F(SimPlatformTest, IdleGetMessageJumpsToTheNextTimerThenReportsDeadlock) {
  WindowHandle w = NewWindow();
  sim_.SetTimer(w, 5, 250);

  Message m;
  ASSERT_NE(sim_.GetMessage(m), 0);
  EXPECT_EQ(m.window, w);
  EXPECT_EQ(m.id, msg::Timer);
  EXPECT_EQ(m.wParam, 5u);
  EXPECT_EQ(sim_.TickCount(), 250u);
  EXPECT_FALSE(sim_.Deadlocked());

  sim_.KillTimer(w, 5);
  bool ran = false;
  sim_.At(40, [&] { ran = true; });  // runs, posts nothing: the wait goes on past it
  EXPECT_EQ(NextWindowMessage(m), 0);
  EXPECT_EQ(m.id, msg::Quit);
  EXPECT_TRUE(ran);
  EXPECT_EQ(sim_.TickCount(), 290u);
  EXPECT_TRUE(sim_.Deadlocked());
}

TEST_F(SimPlatformTest, EmptyQueueWithoutTimersIsADeadlock) {
  NewWindow();
  Message m;
  EXPECT_EQ(sim_.GetMessage(m), 0);
  EXPECT_TRUE(sim_.Deadlocked());
  EXPECT_EQ(sim_.TickCount(), 0u);
}

TEST_F(SimPlatformTest, ActionsRunAtTheirTimeAndWhatTheyPostIsDispatched) {
  WindowHandle w = NewWindow();
  sim_.At(50, [&] {
    sim_.PostMessage(w, msg::User, 2, 0);
    sim_.At(5, [&] { sim_.PostQuit(0); });  // relative to the action's own time
  });
  sim_.At(20, [&] { sim_.PostMessage(w, msg::User, 1, 0); });

  EXPECT_EQ(Pump(), 0);
  EXPECT_FALSE(sim_.Deadlocked());
  EXPECT_EQ(sim_.TickCount(), 55u);
  const std::vector<Seen> expected = {{w, msg::User, 1, 20}, {w, msg::User, 2, 50}};
  EXPECT_EQ(log_, expected);
}

TEST_F(SimPlatformTest, RunForDispatchesUpToAndIncludingItsLimit) {
  WindowHandle w = NewWindow();
  sim_.SetTimer(w, 1, 100);
  bool late = false;
  sim_.At(101, [&] { late = true; });

  sim_.RunFor(100);
  EXPECT_EQ(log_, (std::vector<Seen>{{w, msg::Timer, 1, 100}}));
  EXPECT_FALSE(late);
  EXPECT_EQ(sim_.TickCount(), 100u);

  sim_.RunFor(1);
  EXPECT_TRUE(late);
  EXPECT_EQ(log_.size(), 1u);
}

TEST_F(SimPlatformTest, RunForMovesTheClockEvenWhenNothingIsDue) {
  sim_.RunFor(37);
  EXPECT_EQ(sim_.TickCount(), 37u);
  EXPECT_EQ(sim_.UnixTime(), sim::SimPlatform::kDefaultStartUnixTime);
  sim_.RunFor(1963);
  EXPECT_EQ(sim_.UnixTime(), sim::SimPlatform::kDefaultStartUnixTime + 2);
}

TEST_F(SimPlatformTest, RunForLeavesQuitForTheOwningLoop) {
  WindowHandle w = NewWindow();
  sim_.PostMessage(w, msg::User, 1, 0);
  sim_.PostQuit(7);
  sim_.PostMessage(w, msg::User, 2, 0);

  sim_.RunFor(10);
  EXPECT_EQ(log_, (std::vector<Seen>{{w, msg::User, 1, 0}, {w, msg::User, 2, 0}}));

  Message m;
  EXPECT_EQ(sim_.GetMessage(m), 0);
  EXPECT_EQ(m.id, msg::Quit);
  EXPECT_EQ(m.wParam, 7u);
  EXPECT_FALSE(sim_.Deadlocked());
}

// --- Window lifetime ----------------------------------------------------------------

TEST_F(SimPlatformTest, DestroyWindowTellsTheWholeTreeParentFirstAndDropsItsTimers) {
  WindowHandle parent = NewWindow();
  WindowHandle child = NewWindow(parent);
  WindowHandle grandchild = NewWindow(child);
  WindowHandle other = NewWindow();
  for (WindowHandle w : {parent, child, grandchild, other}) sim_.SetTimer(w, 1, 10);

  sim_.DestroyWindow(parent);

  const std::vector<Seen> expected = {{parent, msg::Destroy, 0, 0},
                                      {child, msg::Destroy, 0, 0},
                                      {grandchild, msg::Destroy, 0, 0}};
  EXPECT_EQ(log_, expected);
  for (WindowHandle w : {parent, child, grandchild}) EXPECT_FALSE(sim_.IsWindow(w));
  EXPECT_TRUE(sim_.IsWindow(other));
  EXPECT_EQ(sim_.WindowCount(), 1u);
  EXPECT_EQ(sim_.TimerCount(), 1u);

  log_.clear();
  sim_.RunFor(10);
  EXPECT_EQ(log_, (std::vector<Seen>{{other, msg::Timer, 1, 10}}));
}

TEST_F(SimPlatformTest, HandlerMayDestroyItsOwnWindow) {
  WindowHandle w = NewWindow();
  RecorderOf(0).onMessage = [&](const Message& m) {
    if (m.id == msg::Timer) sim_.DestroyWindow(m.window);
  };
  sim_.SetTimer(w, 1, 10);

  sim_.RunFor(10);
  sim_.PostMessage(w, msg::User, 1, 0);
  sim_.RunFor(50);

  const std::vector<Seen> expected = {{w, msg::Timer, 1, 10}, {w, msg::Destroy, 0, 10}};
  EXPECT_EQ(log_, expected);
  EXPECT_FALSE(sim_.IsWindow(w));
  EXPECT_EQ(sim_.TimerCount(), 0u);
}

TEST_F(SimPlatformTest, MessagesForADestroyedWindowAreDroppedAtDispatch) {
  WindowHandle old = NewWindow();
  sim_.PostMessage(old, msg::User, 1, 0);
  sim_.DestroyWindow(old);
  // A window created later must not inherit the stale handle's mail.
  WindowHandle fresh = NewWindow();
  sim_.PostMessage(old, msg::User, 2, 0);
  log_.clear();

  Message m;
  ASSERT_NE(sim_.GetMessage(m), 0);
  EXPECT_EQ(m.window, old);
  EXPECT_EQ(sim_.DispatchMessage(m), 0);
  sim_.RunFor(0);

  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(sim_.PendingMessageCount(), 0u);
  EXPECT_TRUE(sim_.IsWindow(fresh));
}

// --- Messages -------------------------------------------------------------------------

TEST_F(SimPlatformTest, RegisterMessageIsStablePerNameAndRefusesEmptyNames) {
  const std::uint32_t a = sim_.RegisterMessage(L"KXUA_A");
  const std::uint32_t b = sim_.RegisterMessage(L"KXUA_B");
  EXPECT_GE(a, 0xC000u);
  EXPECT_LE(a, 0xFFFFu);
  EXPECT_NE(a, b);
  EXPECT_EQ(sim_.RegisterMessage(L"KXUA_A"), a);
  EXPECT_EQ(sim_.RegisterMessage(L"KXUA_B"), b);
  EXPECT_EQ(sim_.RegisterMessage(L""), 0u);
}

TEST_F(SimPlatformTest, PostMessageFromAnotherThreadDeliversEverythingInOrder) {
  constexpr int kPosts = 5000;
  WindowHandle w = NewWindow();
  std::atomic<bool> done{false};
  std::thread poster([&] {
    for (int i = 0; i < kPosts; ++i) sim_.PostMessage(w, msg::User, static_cast<std::uintptr_t>(i), 0);
    done = true;
  });
  // Drain while the other thread is still posting, so both sides touch the queue.
  while (!done) sim_.RunFor(0);
  poster.join();
  sim_.RunFor(0);

  ASSERT_EQ(log_.size(), static_cast<std::size_t>(kPosts));
  for (int i = 0; i < kPosts; ++i) ASSERT_EQ(log_[i].wParam, static_cast<std::uintptr_t>(i));
}

// --- Registry ---------------------------------------------------------------------------

TEST(SimPlatformRegistry, ReadsIgnoreCaseAndCutStrings) {
  using platform::RegistryRoot;
  sim::SimPlatform sim;
  sim.SetRegistryString(RegistryRoot::LocalMachine, L"Software\\KX\\Alerts", L"Language",
                        L"Deutsch");
  sim.SetRegistryNumber(RegistryRoot::LocalMachine, L"Software\\KX\\Alerts", L"Delay", 42);

  struct Case {
    const char* what;
    RegistryRoot root;
    const wchar_t* key;
    const wchar_t* name;
    std::size_t maxChars;
    std::optional<std::wstring> expected;
  };
  const Case cases[] = {
      {"exact", RegistryRoot::LocalMachine, L"Software\\KX\\Alerts", L"Language", 100, L"Deutsch"},
      {"other case", RegistryRoot::LocalMachine, L"SOFTWARE\\kx\\aLERTS", L"LANGUAGE", 100,
       L"Deutsch"},
      {"exact fit", RegistryRoot::LocalMachine, L"Software\\KX\\Alerts", L"Language", 7, L"Deutsch"},
      {"cut", RegistryRoot::LocalMachine, L"Software\\KX\\Alerts", L"Language", 3, L"Deu"},
      {"cut to nothing", RegistryRoot::LocalMachine, L"Software\\KX\\Alerts", L"Language", 0, L""},
      {"other root", RegistryRoot::CurrentUser, L"Software\\KX\\Alerts", L"Language", 100,
       std::nullopt},
      {"missing name", RegistryRoot::LocalMachine, L"Software\\KX\\Alerts", L"Lang", 100,
       std::nullopt},
      {"number is not a string", RegistryRoot::LocalMachine, L"Software\\KX\\Alerts", L"Delay",
       100, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(sim.ReadString(c.root, c.key, c.name, c.maxChars), c.expected);
  }

  EXPECT_EQ(sim.ReadNumber(RegistryRoot::LocalMachine, L"software\\kx\\alerts", L"DELAY"), 42u);
  EXPECT_EQ(sim.ReadNumber(RegistryRoot::LocalMachine, L"Software\\KX\\Alerts", L"Language"),
            std::nullopt);
}

// --- COM class objects ---------------------------------------------------------------

constexpr CLSID kClass = {0x1234ABCD, 0x0001, 0x0002, {1, 2, 3, 4, 5, 6, 7, 8}};
constexpr CLSID kOtherClass = {0x1234ABCD, 0x0001, 0x0002, {1, 2, 3, 4, 5, 6, 7, 9}};
constexpr DWORD kInprocServer = 1;

// An object that only counts its references.
class Counted final : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid != IidOf<IUnknown>()) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = this;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }

  ULONG refs = 1;
};

class CountingFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid != IidOf<IUnknown>() && iid != IidOf<IClassFactory>()) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return product.QueryInterface(iid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

  ULONG refs = 1;
  Counted product;
};

TEST(SimPlatformFiles, PathsCompareAsOnWindowsAndLargeFilesAreRefused) {
  sim::SimPlatform sim;
  sim.SetFile(L"C:\\ProgramData\\Orvex\\a.xml", {1, 2, 3});
  EXPECT_EQ((std::vector<std::uint8_t>{1, 2, 3}), sim.ReadFile(L"c:/programdata/ORVEX/A.XML"));
  EXPECT_FALSE(sim.ReadFile(L"C:\\ProgramData\\Orvex\\b.xml"));
  EXPECT_EQ(1, sim.FileReads(L"C:\\PROGRAMDATA\\orvex\\a.xml"));
  EXPECT_EQ(1, sim.FileReads(L"c:\\programdata\\orvex\\B.xml")) << "missing files count too";

  sim.SetFile(L"C:\\big", std::vector<std::uint8_t>(platform::Files::kLargestFile));
  EXPECT_TRUE(sim.ReadFile(L"C:\\big"));
  sim.SetFile(L"C:\\big", std::vector<std::uint8_t>(platform::Files::kLargestFile + 1));
  EXPECT_FALSE(sim.ReadFile(L"C:\\big"));
}

TEST(SimPlatformCom, CreateInstanceUsesTheRegisteredClassObjectWithBalancedReferences) {
  sim::SimPlatform sim;
  CountingFactory factory;
  DWORD cookie = 0;
  ASSERT_EQ(sim.RegisterClassObject(kClass, &factory, cookie), S_OK);
  EXPECT_EQ(factory.refs, 2u);  // the table holds one

  struct Case {
    const char* what;
    CLSID clsid;
    DWORD context;
    IID iid;
    HRESULT expected;
  };
  const Case cases[] = {
      {"registered", kClass, kInprocServer, IidOf<IUnknown>(), S_OK},
      {"unknown class", kOtherClass, kInprocServer, IidOf<IUnknown>(), REGDB_E_CLASSNOTREG},
      {"no class context", kClass, 0, IidOf<IUnknown>(), E_INVALIDARG},
      {"interface the object lacks", kClass, kInprocServer, IidOf<IDispatch>(), E_NOINTERFACE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    void* object = &factory;  // garbage that a failure must overwrite
    EXPECT_EQ(sim.CreateInstance(c.clsid, c.context, c.iid, &object), c.expected);
    if (c.expected == S_OK) {
      EXPECT_EQ(object, static_cast<IUnknown*>(&factory.product));
      EXPECT_EQ(factory.product.refs, 2u);
      static_cast<IUnknown*>(object)->Release();
    } else {
      EXPECT_EQ(object, nullptr);
    }
    EXPECT_EQ(factory.refs, 2u);
    EXPECT_EQ(factory.product.refs, 1u);
  }

  ASSERT_EQ(sim.RevokeClassObject(cookie), S_OK);
  EXPECT_EQ(factory.refs, 1u);
  void* object = nullptr;
  EXPECT_EQ(sim.CreateInstance(kClass, kInprocServer, IidOf<IUnknown>(), &object),
            REGDB_E_CLASSNOTREG);
  EXPECT_TRUE(FAILED(sim.RevokeClassObject(cookie)));  // no second release
  EXPECT_EQ(factory.refs, 1u);
}

// --- Waiting and other windows -----------------------------------------------------

TEST_F(SimPlatformTest, SleepRunsActionsButLeavesMessagesAndTimersForTheLoop) {
  WindowHandle w = NewWindow();
  sim_.SetTimer(w, 1, 10);
  sim_.PostMessage(w, msg::User, 0, 0);
  std::vector<std::uint64_t> ran;
  sim_.At(15, [&] { ran.push_back(sim_.TickCount()); });
  sim_.At(40, [&] { ran.push_back(sim_.TickCount()); });

  sim_.Sleep(30);

  EXPECT_EQ(std::vector<std::uint64_t>{15}, ran);
  EXPECT_EQ(30u, sim_.TickCount());
  EXPECT_TRUE(log_.empty()) << "a sleeping thread handles no messages";
  sim_.ProcessPendingMessages();
  const std::vector<Seen> expected = {{w, msg::User, 0, 30}, {w, msg::Timer, 1, 30}};
  EXPECT_EQ(expected, log_) << "pumping dispatches what is waiting without moving time";
  EXPECT_EQ(30u, sim_.TickCount());
}

TEST_F(SimPlatformTest, ExternalWindowsAreListedAndCloseByDefault) {
  WindowHandle own = NewWindow();
  NewWindow(own);  // children are not top-level
  WindowHandle dialog = sim_.AddExternalWindow(L"#32770", 4242);

  const auto windows = sim_.TopLevelWindows();
  ASSERT_EQ(2u, windows.size());
  EXPECT_EQ(dialog, windows[0].handle) << "the newest on top";
  EXPECT_EQ(L"#32770", windows[0].className);
  EXPECT_EQ(4242u, windows[0].processId);
  EXPECT_EQ(own, windows[1].handle);
  EXPECT_EQ(sim::SimPlatform::kWindowClassName, windows[1].className);
  EXPECT_EQ(sim_.ProcessId(), windows[1].processId);

  sim_.MakeTopMost(dialog);
  EXPECT_NE(0u, sim_.GetExStyle(dialog) & platform::exstyle::TopMost);
  sim_.SendMessage(dialog, msg::Close, 0, 0);
  EXPECT_FALSE(sim_.IsWindow(dialog));
}

}  // namespace
}  // namespace kxua
