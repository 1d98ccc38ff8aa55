#include "platform/Platform.h"
#include "platform/ScriptedPlatform.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Recorder : TimerTarget
{
    std::vector<std::pair<long long, UINT>> fired;
    ScriptedPlatform *clock = nullptr;
    void OnTimerExpired(UINT id) override { fired.emplace_back(clock->nowMs(), id); }
};

std::vector<long long> g_tickTimes;
ScriptedPlatform *g_clock = nullptr;
void recordTick(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR)
{
    g_tickTimes.push_back(g_clock->nowMs() * 10 + static_cast<long long>(user));
}

class ClockTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        installPlatform(&clock);
        g_clock = &clock;
        g_tickTimes.clear();
        target.clock = &clock;
    }
    void TearDown() override { installPlatform(nullptr); }
    ScriptedPlatform clock;
    Recorder target;
};

TEST_F(ClockTest, periodicTick_keepsDriftFreeScheduleAndCarriesUserValue)
{
    const UINT id = timeSetEvent(50, 1, recordTick, 2, TIME_PERIODIC);
    ASSERT_NE(id, 0u);
    clock.advance(30);
    clock.advance(30); // 60: one tick at 50
    clock.advance(140); // 200: ticks at 100, 150, 200
    EXPECT_EQ(g_tickTimes, (std::vector<long long> { 502, 1002, 1502, 2002 }));
}

TEST_F(ClockTest, periodBelowOneMillisecond_isRefusedWithIdZero)
{
    EXPECT_EQ(timeSetEvent(0, 1, recordTick, 1, TIME_PERIODIC), 0u);
    EXPECT_EQ(clock.activeTicks(), 0u);
    EXPECT_EQ(timeKillEvent(0), 0u); // killing id 0 does nothing
}

TEST_F(ClockTest, killedTick_neverFiresAgain_andKillingTwiceIsHarmless)
{
    const UINT id = timeSetEvent(10, 1, recordTick, 1, TIME_PERIODIC);
    clock.advance(25);
    timeKillEvent(id);
    timeKillEvent(id);
    clock.advance(100);
    EXPECT_EQ(g_tickTimes.size(), 2u);
}

TEST_F(ClockTest, windowTimers_fireInTimeOrder_andRestartOnSetTimerAgain)
{
    clock.setTimer(&target, 1, 200);
    clock.setTimer(&target, 3, 300);
    clock.advance(600);
    const std::vector<std::pair<long long, UINT>> expected { { 200, 1 }, { 300, 3 }, { 400, 1 },
        { 600, 1 }, { 600, 3 } };
    EXPECT_EQ(target.fired, expected);

    target.fired.clear();
    clock.advance(100); // 700
    clock.setTimer(&target, 1, 200); // restarts: next at 900, not 800
    clock.advance(200);
    ASSERT_FALSE(target.fired.empty());
    EXPECT_EQ(target.fired.front(), (std::pair<long long, UINT> { 900, 1 }));
}

TEST_F(ClockTest, killTimer_stopsOnlyThatTimer_andKillTimersStopsAllOfATarget)
{
    clock.setTimer(&target, 1, 100);
    clock.setTimer(&target, 2, 100);
    clock.killTimer(&target, 1);
    clock.killTimer(&target, 7); // not running: nothing happens
    clock.advance(100);
    ASSERT_EQ(target.fired.size(), 1u);
    EXPECT_EQ(target.fired.front().second, 2u);
    clock.killTimers(&target);
    clock.advance(500);
    EXPECT_EQ(target.fired.size(), 1u);
}

TEST_F(ClockTest, sleep_movesTheClockWithoutFiring_thenALateTickFiresOnceAndKeepsSchedule)
{
    timeSetEvent(100, 1, recordTick, 1, TIME_PERIODIC);
    Sleep(500);
    EXPECT_TRUE(g_tickTimes.empty());
    EXPECT_EQ(clock.nowMs(), 500);
    clock.advance(150); // 650: the overdue ticks fire once, then the schedule goes on at 600
    EXPECT_EQ(g_tickTimes, (std::vector<long long> { 5001, 6001 }));
    clock.advance(50); // 700
    EXPECT_EQ(g_tickTimes.back(), 7001);
}

TEST_F(ClockTest, tickThatStopsItself_isSafe)
{
    static UINT selfId = 0;
    static int calls = 0;
    calls = 0;
    selfId = timeSetEvent(
        10, 1,
        [](UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
            ++calls;
            timeKillEvent(selfId);
        },
        0, TIME_PERIODIC);
    clock.advance(100);
    EXPECT_EQ(calls, 1);
}

} // namespace
