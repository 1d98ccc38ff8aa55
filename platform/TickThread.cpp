#include "platform/TickThread.h"

#include <QCoreApplication>
#include <QMetaObject>

TickThread::TickThread(std::chrono::milliseconds period, std::function<void()> tick)
    : m_period(period)
    , m_tick(std::move(tick))
    , m_alive(std::make_shared<std::atomic<bool>>(true))
    , m_pending(std::make_shared<std::atomic<bool>>(false))
    , m_thread([this] { run(); })
{
}

TickThread::~TickThread()
{
    m_alive->store(false);
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void TickThread::run()
{
    const auto start = std::chrono::steady_clock::now();
    for (long long n = 1;; ++n) {
        std::unique_lock lock(m_mutex);
        if (m_wake.wait_until(lock, start + n * m_period, [this] { return m_stop; }))
            return;
        lock.unlock();
        if (m_pending->exchange(true))
            continue;
        auto alive = m_alive;
        auto pending = m_pending;
        auto tick = m_tick;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [alive, pending, tick] {
                if (alive->load())
                    tick();
                pending->store(false);
            },
            Qt::QueuedConnection);
    }
}
