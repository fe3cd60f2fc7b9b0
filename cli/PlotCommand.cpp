#include "PlotCommand.h"

#include "CliCommands.h"
#include "CliMessages.h"
#include "CliOptions.h"

#include <ostream>

#if DORVAN_PLOT
#include "Curve.h"
#include "GraphPictures.h"
#include "KalvexDoc.h"
#include "NumberText.h"

#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#endif

namespace {

const char* const kPlotNames = "dry-bulb, wet-bulb, humidity, moisture, pressure, density, enthalpy, "
                               "sigma-heat, dry-wall, vrt, skin, wbgt, et";

}  // namespace

std::string PlotHelp()
{
    return std::string(
        "Usage: dorvan-cli plot FILE --branch N [--plots LIST] [--right NAME]\n"
        "                           (--svg OUT | --png OUT | --pdf OUT)\n"
        "                           [--width PX] [--height PX]\n"
        "\n"
        "Draws the graph of the stored results of branch N of the document FILE,\n"
        "as the graph window draws it: the plots of LIST against distance, the\n"
        "first of them labelling the value axis, with a legend of every plot.\n"
        "Run the branch first (dorvan-cli run FILE --save FILE) when it has no\n"
        "results.\n"
        "\n"
        "Options:\n"
        "  --branch N     the branch number: its row number in the branch table\n"
        "                 (1 is the first branch), not its id\n"
        "  --plots LIST   plot names separated by commas (default dry-bulb,wet-bulb):\n"
        "                 ") + kPlotNames + "\n"
        "  --right NAME   the plot that labels a second value axis on the right\n"
        "  --svg OUT      write an SVG drawing\n"
        "  --png OUT      write a PNG picture\n"
        "  --pdf OUT      write a one-page PDF of the graph alone\n"
        "  --width PX     the width in pixels, 100 to 10000 (default 960)\n"
        "  --height PX    the height in pixels, 100 to 10000 (default 600)\n"
        "  -h, --help     show this help\n"
        "\n"
        "Text and lines grow with pictures larger than 960 x 600 pixels, so that\n"
        "a large picture reduced into a report still reads. OUT '-' writes to\n"
        "standard output.\n";
}

#if DORVAN_PLOT
namespace {

// Qt's notices about its environment (no runtime folder, fonts) are not
// the command's business; its own errors are reported by the command.
void QuietQtMessages(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs((message.toStdString() + "\n").c_str(), stderr);
}

// Painting text needs a GUI application; dorvan-cli makes one without a
// display the first time it draws.
void EnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    qInstallMessageHandler(QuietQtMessages);
    static int argc = 3;
    static char name[] = "dorvan-cli";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformOption, platform, nullptr};
    static const std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

// A side of the picture from --width or --height; empty text when good.
std::string ReadSide(const CCliArgs& parsed, const std::string& option, int fallback, int& side)
{
    side = fallback;
    const std::string* text = parsed.Value(option);
    if (!text)
        return {};
    if (!IsIntegerText(*text) || text->size() > 6 || std::stoi(*text) < kMinPictureSide ||
        std::stoi(*text) > kMaxPictureSide)
        return option + " " + *text + ": a whole number of pixels from " + std::to_string(kMinPictureSide) + " to " +
               std::to_string(kMaxPictureSide) + " is needed";
    side = std::stoi(*text);
    return {};
}

// The plots of --plots and --right; empty text when good.
std::string ReadPlots(const CCliArgs& parsed, PlotChoices& choices)
{
    choices = PlotChoices::Initial();
    if (const std::string* list = parsed.Value("--plots")) {
        choices.showPlot.fill(false);
        choices.selectedPlot = -1;
        std::size_t start = 0;
        while (start <= list->size()) {
            const std::size_t comma = std::min(list->find(',', start), list->size());
            const std::string name = list->substr(start, comma - start);
            const int plot = PlotByName(name);
            if (plot < 0)
                return "unknown plot '" + name + "'; the plots are " + kPlotNames;
            choices.showPlot[static_cast<std::size_t>(plot)] = true;
            if (choices.selectedPlot < 0)
                choices.selectedPlot = plot;
            start = comma + 1;
        }
    }
    if (const std::string* right = parsed.Value("--right")) {
        choices.rightPlot = PlotByName(*right);
        if (choices.rightPlot < 0)
            return "unknown plot '" + *right + "'; the plots are " + kPlotNames;
    }
    choices.Normalise();
    return {};
}

QByteArray Picture(const std::string& format, const GraphDrawing& drawing, const QSize& size, const QString& title)
{
    if (format == "--png")
        return GraphPng(drawing, size);
    if (format == "--svg")
        return GraphSvg(drawing, size, title);
    return GraphPdf(drawing, size, title);
}

}  // namespace
#endif

int PlotCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const CCliArgs parsed = ParseCliArgs(
        args, {"--branch", "--plots", "--right", "--svg", "--png", "--pdf", "--width", "--height"}, {});
    if (const auto done = CommandPreamble("plot", parsed, 1, "expects one document file name", out, err))
        return *done;
#if DORVAN_PLOT
    std::string format;
    for (const char* option : {"--svg", "--png", "--pdf"})
        if (parsed.Value(option)) {
            if (!format.empty())
                return UsageError("plot", "only one of --svg, --png and --pdf can be given", err);
            format = option;
        }
    if (format.empty())
        return UsageError("plot", "expects one of --svg OUT, --png OUT or --pdf OUT", err);
    const std::string& target = *parsed.Value(format);
    if (target.empty())
        return UsageError("plot", "option '" + format + "' needs a file name", err);
    if (!parsed.Value("--branch"))
        return UsageError("plot", "expects --branch N", err);
    int width = 0;
    int height = 0;
    PlotChoices choices;
    for (const std::string& error : {ReadSide(parsed, "--width", kPictureBaseWidth, width),
                                     ReadSide(parsed, "--height", kPictureBaseHeight, height), ReadPlots(parsed, choices)})
        if (!error.empty())
            return UsageError("plot", error, err);

    const std::string& path = parsed.positional[0];
    CKalvexDoc doc;
    if (!LoadForCommand(path, doc, err))
        return kExitFailure;
    int number = 0;
    if (std::string error = ReadBranchNumber(*parsed.Value("--branch"), doc.BranchCount(), number); !error.empty())
        return UsageError("plot", error, err);
    const CKalvexBranch& branch = doc.BranchAt(number - 1);
    DistanceAxis distance;
    if (!ComputeDistanceAxis(branch, distance)) {
        err << ErrorLine(path, "branch " + std::to_string(number) + " has no results to plot; run it first") << "\n";
        return kExitFailure;
    }

    // The curves as a new graph window has them, with their axes.
    std::array<CCurve, kPlotCount> curves{};
    GraphDrawing drawing;
    const PlotAxisOptions axisOptions{doc.skinTempLimit, choices.SharesTemperatureScale()};
    for (int i = 0; i < kPlotCount; ++i) {
        CCurve& curve = curves[static_cast<std::size_t>(i)];
        curve.plotIndex = static_cast<std::uint16_t>(i);
        SetPlotDefaults(curve, i);
        ComputePlotAxes(branch, i, axisOptions, curve);
        drawing.curves[static_cast<std::size_t>(i)] = &curve;
    }
    drawing.branch = &branch;
    drawing.distance = distance;
    drawing.choices = choices;
    drawing.skinTempLimit = doc.skinTempLimit;
    drawing.branchLabel = QString::fromStdString(branch.name);

    EnsureGuiApplication();
    const std::string file = path.substr(path.find_last_of('/') + 1);
    const QString title = QString::fromStdString(file + " - Graphs - " + branch.name);
    const QByteArray bytes = Picture(format, drawing, QSize(width, height), title);
    std::string errorText = "The graph could not be drawn.";
    if (bytes.isEmpty() ||
        !WriteOutput(target, std::vector<std::uint8_t>(bytes.begin(), bytes.end()), out, errorText)) {
        err << ErrorLine(target, errorText) << "\n";
        return kExitFailure;
    }
    return kExitSuccess;
#else
    err << ErrorLine("", "this dorvan-cli was built without the user interface and cannot draw graphs") << "\n";
    return kExitFailure;
#endif
}
