#include "export/AnimationExport.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QRegularExpression>

QString &AnimationExport::program()
{
    static QString path;
    if (path.isEmpty())
        path = QCoreApplication::applicationFilePath();
    return path;
}

AnimationExport::AnimationExport(const std::string &target, QWidget *window)
    : m_target(QString::fromStdString(target))
{
    m_progress = new QProgressDialog(
        QCoreApplication::translate("Export", "アニメーションを書き出しています..."),
        QCoreApplication::translate("Export", "中止"), 0, 0, window);
    m_progress->setWindowTitle(QStringLiteral("Tracelet"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    connect(m_progress, &QProgressDialog::canceled, this, &AnimationExport::cancel);
    connect(&m_process, &QProcess::readyReadStandardError, this, &AnimationExport::readProgress);
    connect(&m_process, &QProcess::finished, this, &AnimationExport::onFinished);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        if (m_progress)
            m_progress->hide();
        emit finished(false, QStringLiteral("cannot start ") + program());
    });
}

std::string AnimationExport::setupPath(const std::string &fileName) const
{
    return m_folder.filePath(QString::fromStdString(fileName)).toStdString();
}

AnimationExport::~AnimationExport()
{
    if (running()) {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }
    delete m_progress;
}

void AnimationExport::start(const std::string &setupFile, const std::vector<std::string> &more)
{
    // Every plotted point is a frame: as many frames as the largest data file has points.
    QStringList arguments { QStringLiteral("render"), QString::fromStdString(setupFile),
        QStringLiteral("-o"), m_target, QStringLiteral("--progress"),
        QStringLiteral("--size-limit"), QStringLiteral("10000") };
    for (const std::string &argument : more)
        arguments << QString::fromStdString(argument);
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(program(), arguments);
    m_progress->show();
}

void AnimationExport::cancel()
{
    if (!running())
        return;
    m_cancelled = true;
    // The child removes its unfinished file when it is told to stop.
    m_process.terminate();
}

void AnimationExport::readProgress()
{
    m_pending += m_process.readAllStandardError();
    static const QRegularExpression frameLine(QStringLiteral("^frame (\\d+) of (\\d+)$"));
    for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        const QString line = QString::fromUtf8(m_pending.left(end)).trimmed();
        m_pending.remove(0, end + 1);
        const auto match = frameLine.match(line);
        if (!match.hasMatch()) {
            if (!line.isEmpty())
                m_lastError = line;
            continue;
        }
        if (m_progress && !m_cancelled) {
            m_progress->setMaximum(match.captured(2).toInt());
            m_progress->setValue(match.captured(1).toInt());
        }
    }
}

void AnimationExport::onFinished(int exitCode, QProcess::ExitStatus status)
{
    readProgress();
    if (m_progress)
        m_progress->hide();
    const bool ok = !m_cancelled && status == QProcess::NormalExit && exitCode == 0;
    QString message;
    if (!ok && !m_cancelled) {
        static const QRegularExpression prefix(QStringLiteral("^tracelet render: "));
        message
            = m_lastError.isEmpty() ? m_process.errorString() : QString(m_lastError).remove(prefix);
    }
    emit finished(ok, message);
}
