// The picture and animation commands of the window menu: save what the picture area shows as a
// PNG, or write the running diagram's animation, from its first point to its last, as a GIF or
// MP4 through the command line's renderer.

#include "correlation/core/CorrSetupFile.h"
#include "data/AtomicFile.h"
#include "export/AnimationExport.h"
#include "mainwnd/CMainDlg.h"
#include "mainwnd/SaveFailedMessage.h"
#include "path/core/PathSetupFile.h"
#include "platform/CFileDialog.h"
#include "platform/CanvasWidget.h"
#include "res/ControlIds.h"

#include <QBuffer>
#include <QDir>
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

std::string absolute(const std::string &path)
{
    return QDir::current().absoluteFilePath(QString::fromStdString(path)).toStdString();
}

// The correlation run's setup as a file the renderer reads, its data path made absolute.
FileWriteResult writeCorrelationSetup(const RunState &rs, const std::string &path)
{
    CorrSetupValues values;
    values.dataFilePath = absolute(rs.dataFilePath);
    values.xColumn = rs.xColumn;
    values.yColumn = rs.yColumn;
    values.dataStartRow = rs.dataStartRow;
    values.plotSpeedMs = rs.plotPeriodMs;
    values.autoScale = rs.corrAutoScale;
    values.frameXTop = rs.corrFrameXTop;
    values.frameXBottom = rs.corrFrameXBottom;
    values.frameYTop = rs.corrFrameYTop;
    values.frameYBottom = rs.corrFrameYBottom;
    return writeCorrSetupFile(path, values);
}

// The path run's setup likewise; a run without a background of its own shows the default one,
// which the renderer would look for in its own folder, so it is named here.
FileWriteResult writePathSetup(const RunState &rs, const std::string &path)
{
    PathSetupValues values;
    values.backgroundFilePath = absolute(rs.backgroundGiven
            ? rs.backgroundFilePath
            : (std::filesystem::path(rs.startupDirectory) / "bitmap1.bmp").string());
    values.originX = rs.originX;
    values.originY = rs.originY;
    values.characterFilePath = rs.characterGiven ? absolute(rs.characterFilePath) : std::string();
    values.character2FilePath
        = rs.character2Given ? absolute(rs.character2FilePath) : std::string();
    values.dataFilePath = absolute(rs.dataFilePath);
    return writePathSetupFile(path, values);
}

} // namespace

void CMainDlg::OpenSetupFile(const std::string &path)
{
    const bool correlation = endsWith(path, ".kvs");
    if (!m_initialised || (!correlation && !endsWith(path, ".kvt")))
        return;
    rs.setupFileToLoad = path;
    PressButton(correlation ? IDC_CORR_RUN : IDC_PATH_RUN);
    rs.setupFileToLoad.clear(); // also when the run did not get as far as its dialog
}

void CMainDlg::OnSavePicture()
{
    const auto target = askSaveName(".png", kPictureFilter, { ".png" });
    if (!target)
        return;
    auto *canvas = qobject_cast<CanvasWidget *>(controlWidget(IDC_CANVAS));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // The 525 × 350 pixels every blit fills, as the command line's PNG has them.
    if (!canvas || !canvas->image().copy(0, 0, 525, 350).save(&buffer, "PNG")) {
        AfxMessageBox("画像を保存できませんでした。");
        return;
    }
    const auto size = static_cast<std::size_t>(bytes.size());
    if (const FileWriteResult written
        = writeFileAtomically(*target, std::string_view(bytes.constData(), size));
        !written)
        AfxMessageBox(saveFailedMessage(*target, written.error));
}

void CMainDlg::OnExportAnimation()
{
    if (m_export && m_export->running())
        return;
    // A teaching run has its route only once it plays; then it is a data file like any other.
    const bool path = rs.pathRunning && rs.sourceMode == 3;
    if (!(rs.corrRunning || path) || !rs.dataReady) {
        AfxMessageBox("書き出す図がありません。相関図か経路図を実行してから書き出してください。");
        return;
    }
    const auto target = askSaveName(".gif", kAnimationFilter, { ".gif", ".mp4" });
    if (!target)
        return;
    m_export = std::make_unique<AnimationExport>(*target, widget());
    const std::string setup = m_export->setupPath(path ? "export.kvt" : "export.kvs");
    if (!(path ? writePathSetup(rs, setup) : writeCorrelationSetup(rs, setup))) {
        m_export.reset();
        AfxMessageBox("アニメーションを書き出せませんでした。");
        return;
    }
    QObject::connect(
        m_export.get(), &AnimationExport::finished, widget(), [](bool ok, const QString &message) {
            if (!ok && !message.isEmpty())
                AfxMessageBox("アニメーションを書き出せませんでした。\n" + message.toStdString());
        });
    m_export->start(setup);
}
