#include "platform/QtPlatform.h"

#include "platform/CDialog.h"
#include "platform/TickThread.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <chrono>
#include <thread>
#include <vector>

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

int QtPlatform::runModalLoop(CDialog &dialog)
{
    auto *d = qobject_cast<QDialog *>(dialog.widget());
    if (!d)
        return IDCANCEL;
    if (!dialog.IsEnded())
        d->exec();
    return dialog.IsEnded() ? dialog.Result() : IDCANCEL;
}

void QtPlatform::messageBox(const std::string &text)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
        QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void QtPlatform::showNotice(const std::string &text)
{
    const QString added = QString::fromStdString(text);
    if (m_notice && m_notice->isVisible()) {
        m_notice->setText(m_notice->text() + QStringLiteral("\n\n") + added);
    } else {
        if (!m_notice) {
            m_notice
                = new QMessageBox(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    QString(), QMessageBox::Ok, QApplication::activeWindow());
            m_notice->setWindowModality(Qt::NonModal);
            m_notice->setAttribute(Qt::WA_DeleteOnClose);
        }
        m_notice->setText(added);
    }
    m_notice->show();
    m_notice->raise();
}

std::string qtFilterFromWin32(const std::string &filter)
{
    // Pairs of (description, pattern); the description already names the pattern.
    std::vector<std::string> parts;
    std::string current;
    for (char ch : filter) {
        if (ch == '|') {
            parts.push_back(current);
            current.clear();
        } else {
            current += ch;
        }
    }
    std::string result;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty())
            break;
        std::string pattern = parts[i + 1];
        for (char &ch : pattern)
            if (ch == ';')
                ch = ' ';
        if (!result.empty())
            result += ";;";
        const std::string &description = parts[i];
        result += description.find('(') == std::string::npos ? description + " (" + pattern + ")"
                                                             : description;
    }
    return result;
}

std::optional<std::string> QtPlatform::fileDialog(const FileDialogRequest &request)
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(QString::fromStdString(qtFilterFromWin32(request.filter)));
    std::string suffix = request.defaultExtension;
    if (!suffix.empty() && suffix.front() == '.')
        suffix.erase(0, 1);
    dialog.setDefaultSuffix(QString::fromStdString(suffix));
    if (!request.initialDirectory.empty())
        dialog.setDirectory(QString::fromStdString(request.initialDirectory));
    if (!request.fileName.empty())
        dialog.selectFile(QString::fromStdString(request.fileName));
    if (request.flags & OFN_OVERWRITEPROMPT && !request.open)
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

void QtPlatform::setTimer(TimerTarget *target, UINT id, UINT periodMs)
{
    auto &timer = m_timers[{ target, id }];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(
            timer.get(), &QTimer::timeout, [target, id] { target->OnTimerExpired(id); });
    }
    timer->start(static_cast<int>(periodMs));
}

void QtPlatform::killTimer(TimerTarget *target, UINT id)
{
    // The timer may be killed from its own timeout; delete it only once control is back in Qt.
    auto it = m_timers.find({ target, id });
    if (it == m_timers.end())
        return;
    it->second->stop();
    it->second.release()->deleteLater();
    m_timers.erase(it);
}

void QtPlatform::killTimers(TimerTarget *target)
{
    std::vector<UINT> ids;
    for (const auto &[key, timer] : m_timers)
        if (key.first == target)
            ids.push_back(key.second);
    for (UINT id : ids)
        killTimer(target, id);
}

UINT QtPlatform::startTick(UINT periodMs, std::function<void()> tick)
{
    if (periodMs < 1)
        return 0;
    const UINT id = m_nextTickId++;
    m_ticks[id]
        = std::make_unique<TickThread>(std::chrono::milliseconds(periodMs), std::move(tick));
    return id;
}

void QtPlatform::stopTick(UINT id) { m_ticks.erase(id); }

void QtPlatform::sleep(UINT ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

long long QtPlatform::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool QtPlatform::startDetached(
    const std::string &program, const std::vector<std::string> &arguments)
{
    QStringList list;
    for (const std::string &argument : arguments)
        list << QString::fromStdString(argument);
    return QProcess::startDetached(QString::fromStdString(program), list);
}
