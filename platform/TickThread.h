#pragma once

// A periodic tick kept on a steady schedule (the n-th tick is due at start + n · period) by a
// thread that sleeps until each due time and posts the tick to the user-interface thread. A
// tick still pending or running is not posted twice.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class TickThread
{
public:
    TickThread(std::chrono::milliseconds period, std::function<void()> tick);
    ~TickThread(); // stops; a posted tick that has not run yet will not run

private:
    void run();

    std::chrono::milliseconds m_period;
    std::function<void()> m_tick;
    std::shared_ptr<std::atomic<bool>> m_alive;
    std::shared_ptr<std::atomic<bool>> m_pending;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};
