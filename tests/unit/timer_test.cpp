// ui::Timer in virtual time: when it ticks, what restarts its interval, and the
// hidden window it shares with the other timers of the thread.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "ui/timer.h"

namespace kxua {
namespace {

class TimerTest : public ::testing::Test {
 protected:
  // Records the virtual time of every tick.
  std::function<void()> Record() {
    return [this] { ticks_.push_back(sim_->TickCount()); };
  }

  sim::ScopedSimPlatform sim_;  // first, so that it outlives the timers of a test
  std::vector<std::uint64_t> ticks_;
};

using Ticks = std::vector<std::uint64_t>;

TEST_F(TimerTest, TicksEveryIntervalWhileEnabled) {
  ui::Timer timer(30, Record());
  sim_->RunFor(100);
  EXPECT_TRUE(ticks_.empty());  // created disabled

  timer.SetEnabled(true);
  sim_->RunFor(100);
  EXPECT_EQ(ticks_, (Ticks{130, 160, 190}));

  timer.SetEnabled(false);
  sim_->RunFor(100);
  EXPECT_EQ(ticks_.size(), 3u);
}

TEST_F(TimerTest, EnablingARunningTimerDoesNotRestartIt) {
  ui::Timer timer(10, Record());
  timer.SetEnabled(true);
  for (std::uint64_t at = 1; at < 10; ++at) sim_->At(at, [&] { timer.SetEnabled(true); });
  sim_->RunFor(20);
  EXPECT_EQ(ticks_, (Ticks{10, 20}));
}

// What a change at t=5 does to a 10 ms timer started at t=0.
TEST_F(TimerTest, ChangesRestartTheIntervalOnlyWhenTheyShould) {
  struct Case {
    const char* what;
    std::function<void(ui::Timer&)> change;
    Ticks expected;
  };
  const Case cases[] = {
      {"enable while running", [](ui::Timer& t) { t.SetEnabled(true); }, {10, 20, 30}},
      {"disable then enable", [](ui::Timer& t) { t.SetEnabled(false); t.SetEnabled(true); },
       {15, 25}},
      {"new interval", [](ui::Timer& t) { t.SetInterval(20); }, {25}},
      {"same interval", [](ui::Timer& t) { t.SetInterval(10); }, {10, 20, 30}},
      {"interval zero", [](ui::Timer& t) { t.SetInterval(0); }, {}},
      {"disable", [](ui::Timer& t) { t.SetEnabled(false); }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ticks_.clear();
    const std::uint64_t start = sim_->TickCount();
    {
      ui::Timer timer(10, [&] { ticks_.push_back(sim_->TickCount() - start); });
      timer.SetEnabled(true);
      sim_->At(5, [&] { c.change(timer); });
      sim_->RunFor(30);
    }
    EXPECT_EQ(ticks_, c.expected);
  }
}

TEST_F(TimerTest, WithoutAHandlerOrWithIntervalZeroNothingIsArmed) {
  ui::Timer noHandler(10);
  noHandler.SetEnabled(true);
  ui::Timer zero(0, Record());
  zero.SetEnabled(true);
  EXPECT_EQ(sim_->TimerCount(), 0u);
  sim_->RunFor(50);
  EXPECT_TRUE(ticks_.empty());

  // Either starts once what it lacked is supplied.
  noHandler.SetOnTimer(Record());
  zero.SetInterval(25);
  EXPECT_EQ(sim_->TimerCount(), 2u);
  sim_->RunFor(25);
  EXPECT_EQ(ticks_, (Ticks{60, 70, 75}));

  noHandler.SetOnTimer({});
  sim_->RunFor(25);
  EXPECT_EQ(ticks_, (Ticks{60, 70, 75, 100}));
}

TEST_F(TimerTest, AHandlerMayDestroyItsOwnTimer) {
  auto other = std::make_unique<ui::Timer>(10, Record());
  other->SetEnabled(true);
  std::unique_ptr<ui::Timer> self;
  int selfTicks = 0;
  self = std::make_unique<ui::Timer>(15, [&] {
    self.reset();
    ++selfTicks;  // the handler must still be alive after its timer has gone
  });
  self->SetEnabled(true);

  sim_->RunFor(40);
  EXPECT_EQ(selfTicks, 1);
  EXPECT_EQ(ticks_, (Ticks{10, 20, 30, 40}));  // the shared window carries on

  // The last timer going from inside its own tick takes the window with it.
  other->SetOnTimer([&] { other.reset(); });
  sim_->RunFor(40);
  EXPECT_EQ(other, nullptr);
  EXPECT_EQ(sim_->WindowCount(), 0u);
  EXPECT_EQ(sim_->TimerCount(), 0u);
}

TEST_F(TimerTest, TheTimersOfAThreadShareOneWindowThatGoesWithTheLast) {
  EXPECT_EQ(sim_->WindowCount(), 0u);
  {
    ui::Timer a(10, Record());
    ui::Timer b(20, Record());
    a.SetEnabled(true);
    b.SetEnabled(true);
    EXPECT_EQ(sim_->WindowCount(), 1u);
    {
      ui::Timer c(30);
      EXPECT_EQ(sim_->WindowCount(), 1u);
    }
    EXPECT_EQ(sim_->WindowCount(), 1u);
    sim_->RunFor(20);
    EXPECT_EQ(ticks_, (Ticks{10, 20, 20}));
  }
  EXPECT_EQ(sim_->WindowCount(), 0u);
  EXPECT_EQ(sim_->TimerCount(), 0u);

  // And a later timer gets a working window again.
  ui::Timer again(10, Record());
  again.SetEnabled(true);
  sim_->RunFor(10);
  EXPECT_EQ(ticks_.back(), 30u);
}

// Platform windows belong to the thread that made them, so a timer on a second
// thread needs a window of its own rather than the first thread's.
TEST_F(TimerTest, EachThreadGetsItsOwnTimerWindow) {
  ui::Timer mine(10, Record());
  std::size_t windowsWhileBothExist = 0;
  std::thread other([&] {
    ui::Timer theirs(10, [] {});
    windowsWhileBothExist = sim_->WindowCount();
  });
  other.join();
  EXPECT_EQ(windowsWhileBothExist, 2u);
  EXPECT_EQ(sim_->WindowCount(), 1u);  // the second thread's went with its timer

  mine.SetEnabled(true);
  sim_->RunFor(10);
  EXPECT_EQ(ticks_, (Ticks{10}));
}

}  // namespace
}  // namespace kxua
