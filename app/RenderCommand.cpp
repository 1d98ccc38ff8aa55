#include "app/RenderCommand.h"

#include "app/Language.h"
#include "app/RenderOutput.h"
#include "app/RenderSession.h"
#include "app/cli/CommandLine.h"
#include "data/CsvReader.h"
#include "data/DataReadReport.h"
#include "data/NumberText.h"
#include "data/TextLineReader.h"
#include "export/Mp4Encoder.h"
#include "export/OutputFile.h"
#include "mainwnd/DiagramRegistry.h"
#include "path/core/Teaching.h"
#include "platform/QtSetup.h"

#include <QApplication>
#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

struct RenderOptions
{
    fs::path setupFile;
    fs::path outputFile;
    OutputOptions output;
    int zoomIndex = 0; // a map: 0 at full size, 1 at half, 2 at a quarter
    std::optional<fs::path> taughtPoints; // path: points marked as teaching marks them
    std::string language; // the picture's texts; empty: as written
};

void printRenderUsage(std::ostream &stream)
{
    stream
        << "Usage: tracelet render SETUP.kvs|SETUP.kvt -o OUT.png|OUT.gif|OUT.mp4\n"
           "                       [--frames-every MS] [--size-limit N] [--loop N] [--scale K]\n"
           "                       [--exact] [--zoom 1|2|4] [--taught POINTS.csv] [--lang CODE]\n"
           "                       [--progress]\n"
           "\n"
           "Runs the correlation diagram (.kvs) or the path diagram (.kvt) of a setup file in\n"
           "the main window, without a display, and writes what its picture area shows. Paths\n"
           "in the setup file that are not absolute are taken from the setup file's folder;\n"
           "a path setup without a background uses bitmap1.bmp in the current folder.\n"
           "\n"
           "  -o OUT.png         the finished picture\n"
           "  -o OUT.gif         the animation, looping (a setup without a plot speed gives\n"
           "                     one frame)\n"
           "  -o OUT.mp4         the animation as an H.264 video that every player opens\n"
           "                     (4:2:0 colours; an odd width or height gets one more white\n"
           "                     column or row)\n"
           "  --frames-every MS  GIF and MP4: time between frames, at least 10 ms (default: one\n"
           "                     frame per plotted point)\n"
           "  --size-limit N     GIF and MP4: at most N frames, the time between frames grows to\n"
           "                     fit the whole animation (default 600)\n"
           "  --loop N           GIF only: play the animation N times (default 0: forever)\n"
           "  --scale K          enlarge every pixel to K x K pixels, 1 to 8 (default 1)\n"
           "  --exact            MP4 only: every colour exact (lossless H.264 4:4:4, which\n"
           "                     browsers, phones and many players do not open)\n"
           "  --zoom 1|2|4       path setups: the map at full size, at half or at a quarter\n"
           "                     (default 1)\n"
           "  --taught FILE      path setups: rings at these taught points (x and y in columns\n"
           "                     1 and 2), as teaching marks them\n"
           "  --lang CODE        the picture's texts and the notes in this language, as the\n"
           "                     window shows them (en or ja); without it the picture keeps\n"
           "                     the texts as written (ja) on every machine, and the notes\n"
           "                     follow TRACELET_LANG, else the system's language\n"
           "  --progress         report progress on stderr also when it is not a terminal\n"
           "\n"
           "Progress is shown on stderr when it is a terminal. An interrupted render (Ctrl-C)\n"
           "leaves no partial output file.\n";
}

std::optional<int> wholeNumberOption(
    const CommandArguments &args, std::string_view name, int least, int most, std::string &error)
{
    const auto text = args.value(name);
    if (!text)
        return std::nullopt;
    const auto value = parseWholeInt(*text);
    if (!value || *value < least || *value > most)
        error = std::string(name) + " needs a whole number from " + std::to_string(least) + " to "
            + std::to_string(most);
    return value;
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
        error = "no output file given (-o OUT.png, OUT.gif or OUT.mp4)";
        return std::nullopt;
    }
    options.outputFile = std::string(*output);
    const auto kind = outputKindOf(options.outputFile.string());
    if (!kind) {
        error = "the output file must end in .png, .gif or .mp4";
        return std::nullopt;
    }
    OutputOptions &out = options.output;
    out.kind = *kind;
    out.progressLines = args.flag("--progress");
    const bool animation = out.kind != OutputKind::Png;
    if ((args.value("--frames-every") || args.value("--size-limit")) && !animation) {
        error = "--frames-every and --size-limit apply to a .gif or .mp4 output only";
        return std::nullopt;
    }
    out.exact = args.flag("--exact");
    if (out.exact && out.kind != OutputKind::Mp4) {
        error = "--exact applies to a .mp4 output only (PNG and GIF are always exact)";
        return std::nullopt;
    }
    if (args.value("--loop") && out.kind != OutputKind::Gif) {
        error = "--loop applies to a .gif output only (a video plays once; players repeat it)";
        return std::nullopt;
    }
    const auto frameEvery = wholeNumberOption(args, "--frames-every", 10, 3'600'000, error);
    const auto sizeLimit = wholeNumberOption(args, "--size-limit", 1, 1'000'000, error);
    const auto plays = wholeNumberOption(args, "--loop", 0, 65535, error);
    const auto scale = wholeNumberOption(args, "--scale", 1, 8, error);
    const auto zoom = wholeNumberOption(args, "--zoom", 1, 4, error);
    if (zoom && *zoom == 3)
        error = "--zoom needs 1, 2 or 4";
    if (!error.empty())
        return std::nullopt;
    options.zoomIndex = zoom.value_or(1) / 2;
    if (const auto taught = args.value("--taught"))
        options.taughtPoints = fs::absolute(std::string(*taught));
    if (const auto language = args.value("--lang"))
        options.language = std::string(*language);
    out.frameEveryMs = frameEvery;
    out.sizeLimit = sizeLimit.value_or(out.sizeLimit);
    out.plays = plays.value_or(0);
    out.scale = scale.value_or(1);
    return options;
}

// Routes by the first line only; the diagram itself judges the rest of the file.
const DiagramDescriptor *setupKind(const fs::path &file)
{
    TextLineReader reader(file.string());
    auto line = reader.readLine();
    if (!line)
        return nullptr;
    std::string_view first = *line;
    if (first.ends_with('\n'))
        first.remove_suffix(1);
    return diagramForSetupFirstLine(first);
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

// The points of a --taught file, as teaching rings them; what the read left out goes to notes.
std::optional<std::vector<std::array<double, 2>>> readTaughtPoints(
    const std::string &path, std::ostream &notes, std::string &error)
{
    DataColumns columns;
    columns.path = path;
    columns.useY = true;
    columns.rowLimit = kTeachingCapacity;
    auto read = std::make_unique<DataSeries>();
    DataReadReport report;
    // A heading line, as points files often have, holds no number and is left out.
    const int count = loadDataColumns(columns, *read, false, &report);
    noteDataRead(notes, "render", path, report);
    if (report.outcome == DataReadReport::Outcome::TooManyRows) {
        error
            = "too many teaching points: more than " + formatInt(kTeachingCapacity) + " in " + path;
        return std::nullopt;
    }
    if (count == 0) {
        error = "no teaching point in " + path;
        return std::nullopt;
    }
    std::vector<std::array<double, 2>> points;
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i)
        points.push_back({ read->x[i], read->y[i] });
    return points;
}

// Runs the setup in a fresh window and writes the output file; false with error set. What the
// window told on the way (a default tick period, a character it could not draw) goes to notes.
bool render(const RenderOptions &options, const DiagramDescriptor &kind, std::ostream &notes,
    std::string &error)
{
    RunRequest run { options.setupFile.string(), options.zoomIndex, {} };
    if (options.taughtPoints) {
        const auto points = readTaughtPoints(options.taughtPoints->string(), notes, error);
        if (!points)
            return false;
        run.markedPoints = *points;
    }
    RenderSession session;
    if (!session.created()) {
        error = "the main window could not be created";
        return false;
    }
    // What the diagram told, also on the way to a refusal: its notes, then the window's messages.
    std::vector<std::string> told;
    struct NotesAtEnd
    {
        const std::vector<std::string> &atStart;
        const ManualClockPlatform &clock;
        std::ostream &out;
        ~NotesAtEnd()
        {
            for (const auto *messages : { &atStart, &clock.messages() })
                for (const std::string &message : *messages)
                    out << "tracelet render: note: " << message << "\n";
        }
    } notesAtEnd { told, session.clock, notes };
    const auto scene = startScene(session, kind.name, run, told, error);
    if (!scene)
        return false;
    if (scene->periodMs > 0) {
        session.window().OnPlayPause();
        if (!scene->animating()) {
            error = "the animation did not start";
            return false;
        }
    }
    return writeRenderOutput(
        session, *scene, options.output, options.outputFile.string(), notes, error);
}

} // namespace

int renderCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    std::string error;
    const OptionSpec accepted { { "-o", "--frames-every", "--size-limit", "--loop", "--scale",
                                    "--zoom", "--taught", "--lang" },
        { "--progress", "--exact" } };
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
    const auto kind = setupKind(options->setupFile);
    if (!kind) {
        err << "tracelet render: " << setupName << " is not a correlation or path setup file\n";
        return kExitFailed;
    }
    if (!kind->mapView && (options->zoomIndex > 0 || options->taughtPoints)) {
        err << "tracelet render: --zoom and --taught apply to a path setup (.kvt) only\n";
        printRenderUsage(err);
        return kExitUsage;
    }
    if (options->taughtPoints && !isReadableFile(options->taughtPoints->string())) {
        err << "tracelet render: cannot read " << options->taughtPoints->string() << "\n";
        return kExitFailed;
    }
    options->setupFile = fs::absolute(options->setupFile);
    options->outputFile = fs::absolute(options->outputFile);

    if (options->output.kind == OutputKind::Mp4) {
        if (const std::string why = mp4Unavailable(); !why.empty()) {
            err << "tracelet render: cannot write MP4: " << why << "; write a .gif instead\n";
            return kExitFailed;
        }
    }
    removeOutputFilesOnInterrupt();
    const auto application = ensureApplication();
    if (!options->language.empty())
        installLanguage(options->language);
    if (!render(*options, *kind, err, error)) {
        err << "tracelet render: " << error << "\n";
        return kExitFailed;
    }
    return kExitOk;
}
