#include "app/RenderCommand.h"

#include "app/GifWriter.h"
#include "app/RenderSession.h"
#include "app/cli/CommandLine.h"
#include "correlation/core/CorrSetupFile.h"
#include "data/AtomicFile.h"
#include "data/TextLineReader.h"
#include "path/core/PathSetupFile.h"
#include "platform/QtSetup.h"
#include "res/ControlIds.h"

#include <QApplication>
#include <QBuffer>
#include <algorithm>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

constexpr int kDefaultSizeLimit = 600;
constexpr long long kFinalHoldMs = 2000; // a looping animation rests on its finished picture

enum class OutputKind { Png, Gif };

struct RenderOptions
{
    fs::path setupFile;
    fs::path outputFile;
    OutputKind kind = OutputKind::Png;
    std::optional<int> frameEveryMs;
    int sizeLimit = kDefaultSizeLimit;
};

void printRenderUsage(std::ostream &stream)
{
    stream << "Usage: tracelet render SETUP.kvs|SETUP.kvt -o OUT.png|OUT.gif [--frames-every MS]\n"
              "                       [--size-limit N]\n"
              "\n"
              "Runs the correlation diagram (.kvs) or the path diagram (.kvt) of a setup file in\n"
              "the main window, without a display, and writes what its picture area shows. Paths\n"
              "in the setup file that are not absolute are taken from the setup file's folder;\n"
              "a path setup without a background uses bitmap1.bmp in the current folder.\n"
              "\n"
              "  -o OUT.png         the finished picture\n"
              "  -o OUT.gif         the animation, looping (a setup without a plot speed gives\n"
              "                     one frame)\n"
              "  --frames-every MS  GIF only: time between frames, at least 10 ms (default: one\n"
              "                     frame per plotted point)\n"
              "  --size-limit N     GIF only: at most N frames, the time between frames grows to\n"
              "                     fit the whole animation (default 600)\n";
}

bool endsWith(std::string text, std::string_view suffix)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.size() >= suffix.size()
        && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::optional<RenderOptions> parseRenderOptions(const CommandArguments &args, std::string &error)
{
    RenderOptions options;
    if (args.positional.size() != 1) {
        error = args.positional.empty() ? "no setup file given" : "more than one setup file given";
        return std::nullopt;
    }
    options.setupFile = args.positional.front();
    const auto output = args.value("-o");
    if (!output || output->empty()) {
        error = "no output file given (-o OUT.png or -o OUT.gif)";
        return std::nullopt;
    }
    options.outputFile = std::string(*output);
    if (endsWith(options.outputFile.string(), ".gif")) {
        options.kind = OutputKind::Gif;
    } else if (!endsWith(options.outputFile.string(), ".png")) {
        error = "the output file must end in .png or .gif";
        return std::nullopt;
    }
    const auto frameEvery = args.value("--frames-every");
    const auto sizeLimit = args.value("--size-limit");
    if ((frameEvery || sizeLimit) && options.kind != OutputKind::Gif) {
        error = "--frames-every and --size-limit apply to a .gif output only";
        return std::nullopt;
    }
    if (frameEvery) {
        options.frameEveryMs = parseWholeInt(*frameEvery);
        if (!options.frameEveryMs || *options.frameEveryMs < 10) {
            error = "--frames-every needs a whole number of milliseconds, at least 10";
            return std::nullopt;
        }
    }
    if (sizeLimit) {
        const auto limit = parseWholeInt(*sizeLimit);
        if (!limit || *limit < 1) {
            error = "--size-limit needs a whole number of frames, at least 1";
            return std::nullopt;
        }
        options.sizeLimit = *limit;
    }
    return options;
}

enum class SetupKind { Correlation, Path, Unknown };

// Routes by the first line only; the setup dialog itself judges the rest of the file.
SetupKind setupKind(const fs::path &file)
{
    TextLineReader reader(file.string());
    auto line = reader.readLine();
    if (!line)
        return SetupKind::Unknown;
    std::string_view first = *line;
    if (first.ends_with('\n'))
        first.remove_suffix(1);
    if (first.starts_with(kCorrSetupMagic))
        return SetupKind::Correlation;
    return first == kPathSetupMagic ? SetupKind::Path : SetupKind::Unknown;
}

// Headless Qt for the command line; a caller that already has an application keeps it.
std::unique_ptr<QApplication> ensureApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tracelet";
    static char *argv[] = { name, nullptr };
    auto app = std::make_unique<QApplication>(argc, argv);
    platformSetupApplication();
    return app;
}

int centiseconds(long long ms) { return static_cast<int>((ms + 5) / 10); }

// Plays the animation on the manual clock, one capture every interval, into the GIF.
bool recordAnimation(RenderSession &session, const RenderScene &scene, const RenderOptions &options,
    GifWriter &gif, std::string &error)
{
    const long long total = static_cast<long long>(scene.points) * scene.periodMs;
    const long long fitting = (total + options.sizeLimit - 1) / options.sizeLimit;
    const long long every
        = std::max<long long>(options.frameEveryMs.value_or(scene.periodMs), fitting);
    for (long long shownAt = every;; shownAt += every) {
        session.scripted.advance(every);
        const bool ended = !scene.animating();
        const long long until = shownAt + (ended ? std::max(every, kFinalHoldMs) : every);
        if (!gif.addFrame(session.picture(), centiseconds(until) - centiseconds(shownAt))) {
            error = gif.error();
            return false;
        }
        if (ended)
            return true;
        if (gif.frameCount() >= options.sizeLimit) {
            error = "the animation did not end within " + std::to_string(options.sizeLimit)
                + " frames";
            return false;
        }
    }
}

std::optional<std::string> pngBytes(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return std::nullopt;
    return bytes.toStdString();
}

// Lets the animation run to its last point on the manual clock.
bool playToTheEnd(RenderSession &session, const RenderScene &scene, std::string &error)
{
    // Point by point, so that the picture is the one of the moment the last point is drawn (a
    // path run goes on redrawing it, with the character frames still alternating).
    for (int i = 0; i <= scene.points && scene.animating(); ++i)
        session.scripted.advance(scene.periodMs);
    if (scene.animating())
        error = "the animation did not end";
    return !scene.animating();
}

// The file's bytes, or nothing with error set. What the window told on the way (a default tick
// period, a character it could not draw) goes to notes.
std::optional<std::string> render(
    const RenderOptions &options, SetupKind kind, std::string &error, std::ostream &notes)
{
    RenderSession session;
    if (!session.created()) {
        error = "the main window could not be created";
        return std::nullopt;
    }
    const auto scene = kind == SetupKind::Path
        ? startPathScene(session, options.setupFile, error)
        : startCorrelationScene(session, options.setupFile, error);
    if (!scene)
        return std::nullopt;
    struct NotesAtEnd
    {
        const ScriptedPlatform &scripted;
        std::ostream &out;
        ~NotesAtEnd()
        {
            for (const std::string &message : scripted.messages())
                out << "tracelet render: note: " << message << "\n";
        }
    } notesAtEnd { session.scripted, notes };
    const bool animated = scene->periodMs > 0;
    if (animated && !(session.press(IDC_PLAY_PAUSE) && scene->animating())) {
        error = "the animation did not start";
        return std::nullopt;
    }

    if (options.kind == OutputKind::Gif) {
        GifWriter gif(session.picture().size());
        const bool recorded = animated ? recordAnimation(session, *scene, options, gif, error)
                                       : gif.addFrame(session.picture(), 0);
        auto bytes = recorded ? gif.finish() : std::nullopt;
        if (!bytes && error.empty())
            error = gif.error();
        return bytes;
    }
    if (animated && !playToTheEnd(session, *scene, error))
        return std::nullopt;
    auto bytes = pngBytes(session.picture());
    if (!bytes)
        error = "cannot encode the picture as PNG";
    return bytes;
}

} // namespace

int renderCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    std::string error;
    const OptionSpec accepted { { "-o", "--frames-every", "--size-limit" }, {} };
    const auto parsed = parseArguments(args, accepted, error);
    if (parsed && parsed->help) {
        printRenderUsage(out);
        return kExitOk;
    }
    auto options = parsed ? parseRenderOptions(*parsed, error) : std::nullopt;
    if (!options) {
        err << "tracelet render: " << error << "\n";
        printRenderUsage(err);
        return kExitUsage;
    }
    const std::string setupName = options->setupFile.string();
    if (!isReadableFile(setupName)) {
        err << "tracelet render: cannot read " << setupName << "\n";
        return kExitFailed;
    }
    const SetupKind kind = setupKind(options->setupFile);
    if (kind == SetupKind::Unknown) {
        err << "tracelet render: " << setupName << " is not a correlation or path setup file\n";
        return kExitFailed;
    }
    options->setupFile = fs::absolute(options->setupFile);
    options->outputFile = fs::absolute(options->outputFile);

    const auto application = ensureApplication();
    const auto bytes = render(*options, kind, error, err);
    if (!bytes) {
        err << "tracelet render: " << error << "\n";
        return kExitFailed;
    }
    if (const FileWriteResult written = writeFileAtomically(options->outputFile.string(), *bytes);
        !written) {
        err << "tracelet render: cannot write " << options->outputFile.string() << ": "
            << written.error << "\n";
        return kExitFailed;
    }
    return kExitOk;
}
