#include "platform/Platform.h"
#include "tests/support/ScriptedPlatform.h"

#include <QCoreApplication>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

ScriptedPlatform *g_clock = nullptr;
// Each firing as time * 10 + the tick's user value or the window timer's id.
std::vector<long long> g_ticks;
void recordTick(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR)
{
    g_ticks.push_back((g_clock ? g_clock->nowMs() * 10 : 0) + static_cast<long long>(user));
}
struct Recorder : TimerTarget
{
    void OnTimerExpired(UINT id) override { g_ticks.push_back(g_clock->nowMs() * 10 + id); }
};

class ClockTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        installPlatform(g_clock = &clock);
        g_ticks.clear();
    }
    void TearDown() override
    {
        installPlatform(nullptr);
        g_clock = nullptr;
    }
    ScriptedPlatform clock;
    Recorder target;
};

TEST_F(ClockTest, periodicTick_keepsDriftFreeSchedule_andOnceKilled_evenByItself_neverFiresAgain)
{
    EXPECT_EQ(timeSetEvent(0, 1, recordTick, 1, TIME_PERIODIC), 0u); // below 1 ms: refused
    const UINT id = timeSetEvent(50, 1, recordTick, 2, TIME_PERIODIC);
    ASSERT_NE(id, 0u);
    clock.advance(30);
    clock.advance(30); // 60: one tick at 50
    clock.advance(140); // 200: ticks at 100, 150, 200
    EXPECT_EQ(g_ticks, (std::vector<long long> { 502, 1002, 1502, 2002 }));
    timeKillEvent(id);
    timeKillEvent(id);
    clock.advance(100);
    EXPECT_EQ(g_ticks.size(), 4u);

    static UINT selfId = 0; // a tick that stops itself fires once
    selfId = timeSetEvent(
        10, 1,
        [](UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
            g_ticks.push_back(0);
            timeKillEvent(selfId);
        },
        0, TIME_PERIODIC);
    clock.advance(100);
    EXPECT_EQ(g_ticks.size(), 5u);
}

TEST_F(ClockTest, windowTimers_fireInTimeOrder_restartOnSetTimer_andStopWhenKilled)
{
    clock.setTimer(&target, 1, 200);
    clock.setTimer(&target, 3, 300);
    clock.advance(600);
    EXPECT_EQ(g_ticks, (std::vector<long long> { 2001, 3003, 4001, 6001, 6003 }));
    clock.advance(100); // 700
    clock.setTimer(&target, 1, 200); // restarts: next at 900, not 800
    clock.killTimer(&target, 3);
    g_ticks.clear();
    clock.advance(200);
    EXPECT_EQ(g_ticks, std::vector<long long> { 9001 });
    clock.setTimer(&target, 2, 100);
    clock.killTimers(&target);
    clock.advance(500);
    EXPECT_EQ(g_ticks.size(), 1u);
}

TEST_F(ClockTest, sleep_movesTheClockWithoutFiring_thenAnOverdueTickFiresOnceAndKeepsSchedule)
{
    timeSetEvent(100, 1, recordTick, 1, TIME_PERIODIC);
    Sleep(500);
    EXPECT_TRUE(g_ticks.empty());
    clock.advance(150); // 650: the overdue ticks fire once, then the schedule goes on at 600
    clock.advance(50);
    EXPECT_EQ(g_ticks, (std::vector<long long> { 5001, 6001, 7001 }));
}

} // namespace

// The real clock: a tick its thread already posted to the user-interface thread, but that has not
// run yet when the clock is stopped, never runs after the stop.
TEST(RealClockTest, aTickPostedBeforeAStop_neverRunsAfterIt)
{
    installPlatform(nullptr);
    g_ticks.clear();
    const UINT id = timeSetEvent(1, 1, recordTick, 7, TIME_PERIODIC);
    ASSERT_NE(id, 0u);
    std::this_thread::sleep_for(std::chrono::milliseconds(30)); // posted, not yet delivered
    timeKillEvent(id);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(g_ticks.empty());
}
