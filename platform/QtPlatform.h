#pragma once

// The real platform: Qt's modal loops and dialogs, precise window timers, and a drift-free
// periodic tick whose timer thread posts each tick to the user-interface thread.

#include "platform/Platform.h"

#include <QPointer>
#include <map>
#include <memory>
#include <utility>

class QMessageBox;
class QTimer;
class TickThread;

class QtPlatform : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    int runModalLoop(CDialog &dialog) override;
    void messageBox(const std::string &text) override;
    void showNotice(const std::string &text) override;
    std::optional<std::string> fileDialog(const FileDialogRequest &request) override;
    void setTimer(TimerTarget *target, UINT id, UINT periodMs) override;
    void killTimer(TimerTarget *target, UINT id) override;
    void killTimers(TimerTarget *target) override;
    UINT startTick(UINT periodMs, std::function<void()> tick) override;
    void stopTick(UINT id) override;
    void sleep(UINT ms) override;
    long long nowMs() override;
    bool startDetached(
        const std::string &program, const std::vector<std::string> &arguments) override;

    // What is still running, for checks that nothing outlives a stop.
    std::size_t activeTimers() const { return m_timers.size(); }
    std::size_t activeTicks() const { return m_ticks.size(); }

private:
    std::map<std::pair<TimerTarget *, UINT>, std::unique_ptr<QTimer>> m_timers;
    std::map<UINT, std::unique_ptr<TickThread>> m_ticks;
    UINT m_nextTickId = 1;
    QPointer<QMessageBox> m_notice;
};

// Turns "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||" into Qt's ";;"-separated filter.
std::string qtFilterFromWin32(const std::string &filter);
