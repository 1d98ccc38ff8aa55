// The picture and animation commands of the window menu: save what the picture area shows as a
// PNG, or write the running diagram's animation, from its first point to its last, as a GIF or
// MP4 through the command line's renderer.

#include "mainwnd/ExportCommands.h"

#include "data/AtomicFile.h"
#include "data/NumberText.h"
#include "data/Translate.h"
#include "export/AnimationExport.h"
#include "mainwnd/PictureSize.h"
#include "mainwnd/SaveFailedMessage.h"
#include "platform/CFileDialog.h"
#include "platform/Platform.h"

#include <QBuffer>
#include <filesystem>

namespace {

constexpr const char *kPictureFilter = "PNG Files (*.png)|*.png||";
constexpr const char *kAnimationFilter = "GIF Files (*.gif)|*.gif|MP4 Files (*.mp4)|*.mp4||";

bool endsWith(const std::string &text, const char *suffix)
{
    return QString::fromStdString(text).endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

// The save dialog's answer, with the extension appended when the name has none of them.
std::optional<std::string> askSaveName(
    const char *extension, const char *filter, std::initializer_list<const char *> accepted)
{
    CFileDialog dialog(FALSE, extension, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter);
    if (dialog.DoModal() != IDOK)
        return std::nullopt;
    std::string name = dialog.GetPathName();
    for (const char *suffix : accepted)
        if (endsWith(name, suffix))
            return name;
    return name + extension;
}

// The render command's arguments for what the run adds to its setup file; the marked points go
// into a file beside it. False when that file cannot be written.
bool renderArguments(const RunRequest &run, std::vector<std::string> &arguments)
{
    if (!run.markedPoints.empty()) {
        std::string text;
        for (const auto &[x, y] : run.markedPoints) {
            appendFixed(text, x, 6);
            text += ',';
            appendFixed(text, y, 6);
            text += "\r\n";
        }
        const std::string file
            = (std::filesystem::path(run.setupFile).parent_path() / "taught.csv").string();
        if (!writeFileAtomically(file, text))
            return false;
        arguments.insert(arguments.end(), { "--taught", file });
    }
    if (run.zoomIndex > 0)
        arguments.insert(arguments.end(), { "--zoom", formatInt(1 << run.zoomIndex) });
    return true;
}

} // namespace

std::string exportedMessage(const std::string &file)
{
    std::error_code error;
    const auto bytes = std::filesystem::file_size(file, error);
    std::string size;
    if (error)
        size = "?";
    else if (bytes < 1024 * 1024)
        size = formatInt(static_cast<int>((bytes + 1023) / 1024)) + " KB";
    else
        size = formatFixed(static_cast<double>(bytes) / (1024.0 * 1024.0), 1) + " MB";
    return tx("Export", "アニメーションを書き出しました。") + "\n" + file + " (" + size + ")";
}

void savePicture(const QImage &canvas)
{
    const auto target = askSaveName(".png", kPictureFilter, { ".png" });
    if (!target)
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // The pixels every blit fills, as the command line's PNG has them.
    if (canvas.isNull() || !canvas.copy(0, 0, kPictureWidth, kPictureHeight).save(&buffer, "PNG")) {
        AfxMessageBox(tx("Export", "画像を保存できませんでした。"));
        return;
    }
    const auto size = static_cast<std::size_t>(bytes.size());
    if (const FileWriteResult written
        = writeFileAtomically(*target, std::string_view(bytes.constData(), size));
        !written)
        AfxMessageBox(saveFailedMessage(*target, written));
}

std::unique_ptr<AnimationExport> startAnimationExport(
    const Diagram *running, std::string_view setupExtension, QWidget *window)
{
    if (!running || !running->exportable()) {
        AfxMessageBox(tx(
            "Export", "書き出す図がありません。相関図か経路図を実行してから書き出してください。"));
        return nullptr;
    }
    const auto target = askSaveName(".gif", kAnimationFilter, { ".gif", ".mp4" });
    if (!target)
        return nullptr;
    auto job = std::make_unique<AnimationExport>(*target, window);
    const std::string setup = job->setupPath("export" + std::string(setupExtension));
    const std::optional<RunRequest> run = running->currentRun(setup);
    std::vector<std::string> arguments;
    if (!run || !renderArguments(*run, arguments)) {
        AfxMessageBox(tx("Export", "アニメーションを書き出せませんでした。"));
        return nullptr;
    }
    // The setup handed to the renderer is the window's own: its name means nothing to the person.
    const QString setupName
        = QString::fromStdString(std::filesystem::path(setup).filename().string());
    const AnimationExport *started = job.get();
    QObject::connect(job.get(), &AnimationExport::finished, window,
        [setupName, started](bool ok, const QString &message) {
            if (ok) {
                AfxMessageBox(exportedMessage(started->target().toStdString()));
                return;
            }
            if (message.isEmpty())
                return;
            QString told = message;
            told.remove(setupName + QStringLiteral(": "));
            told.replace(setupName, QString::fromStdString(tx("Export", "書き出し用の設定")));
            AfxMessageBox(
                tx("Export", "アニメーションを書き出せませんでした。") + "\n" + told.toStdString());
        });
    // The animation shows the texts the window shows, as a saved picture does.
    arguments.insert(arguments.end(), { "--lang", textLanguage() });
    job->start(setup, arguments);
    return job;
}
