#pragma once

// Writes the animation of the diagram that runs in the window into a GIF or MP4 file by running
// `tracelet render` on its setup in a child process: the same renderer as the command line, so
// the file shows what the window shows, frame for frame, while the window stays responsive.
// A progress dialog with 中止 follows it; cancelling stops the child, which leaves no file.

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <string>
#include <vector>

class QWidget;

class AnimationExport : public QObject
{
    Q_OBJECT
public:
    // target: a .gif or .mp4 file; window: the progress dialog's parent.
    AnimationExport(const std::string &target, QWidget *window);
    ~AnimationExport() override;

    // The tracelet program that renders; the running program unless set (tests set it).
    static QString &program();
    // A path in a private folder, removed with this object, for the setup the child renders.
    std::string setupPath(const std::string &fileName) const;

    // Renders that setup file, with the render command's further arguments; finished() follows
    // in every case.
    void start(const std::string &setupFile, const std::vector<std::string> &arguments = {});
    const QString &target() const { return m_target; }
    void cancel();
    bool running() const { return m_process.state() != QProcess::NotRunning; }
    QProgressDialog *progressDialog() const { return m_progress; }

signals:
    // ok: the file is complete; otherwise message says why (empty when cancelled).
    void finished(bool ok, const QString &message);

private:
    void readProgress();
    void onFinished(int exitCode, QProcess::ExitStatus status);

    QProcess m_process;
    QPointer<QProgressDialog> m_progress;
    QTemporaryDir m_folder;
    QString m_target;
    QString m_lastError;
    QByteArray m_pending;
    bool m_cancelled = false;
};
