#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <iostream>

// `--measure-start`: prints the milliseconds from the start of the process to the first frame of
// the window on the screen, then ends at once: what follows the first frame is no part of the
// start. The time before main (loading the program and its libraries) is the CPU time spent so
// far, which it all is when the files are cached. Header-only, so that the bare Qt window of
// the start benchmark measures itself the same way.
class StartMeter : public QObject
{
public:
    StartMeter()
    {
        timespec used {};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
        m_beforeMain = std::chrono::seconds(used.tv_sec) + std::chrono::nanoseconds(used.tv_nsec);
    }

    void watch(QApplication &app) { app.installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // Queued: the painted frame reaches the screen once this paint event is handled.
            QTimer::singleShot(0, this, [this] {
                const auto elapsed
                    = m_beforeMain + (std::chrono::steady_clock::now() - m_mainStart);
                std::cout << std::chrono::duration<double, std::milli>(elapsed).count()
                          << std::endl;
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::chrono::steady_clock::time_point m_mainStart = std::chrono::steady_clock::now();
    std::chrono::nanoseconds m_beforeMain {};
    bool m_painted = false;
};
