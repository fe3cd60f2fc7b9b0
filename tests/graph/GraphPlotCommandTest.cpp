// dorvan-cli plot: the graph of a document's branch as SVG, PNG or PDF from
// the command line, drawn by the window's painter; its refusals.
#include "CliCommands.h"
#include "GraphFixture.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include <sstream>

namespace {

struct CliOutput {
    int status;
    std::string out;
    std::string err;
};

CliOutput Cli(std::vector<std::string> args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::string Example(const char* name)
{
    return std::string(EXAMPLES_DIR) + "/" + name;
}

}  // namespace

using PlotCommand = GraphFixture;

TEST_F(PlotCommand, AnSvgNamesEveryPlotInItsLegendAndTitlesTheDistanceAxis)
{
    const CliOutput r =
        Cli({"plot", Example("haulage-drift.zt2"), "--branch", "1", "--plots", "dry-bulb,wet-bulb,wbgt", "--svg", "-"});
    ASSERT_EQ(r.status, 0) << r.err;
    const QStringList texts = SvgTexts(QByteArray::fromStdString(r.out));
    for (const char* expected : {"Dry Bulb Temperature", "Wet Bulb Temperature", "Wet Bulb Globe Temperature",
                                 "Distance (m)", "Dry Bulb Temperature (\u00b0C)", "12 Level haulage"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected << "\n" << texts.join('|').toStdString();
    // The default plots, and a right-hand axis of its own for WBGT.
    const CliOutput right =
        Cli({"plot", Example("haulage-drift.zt2"), "--branch", "1", "--right", "wbgt", "--svg", "-"});
    ASSERT_EQ(right.status, 0) << right.err;
    const QStringList rightTexts = SvgTexts(QByteArray::fromStdString(right.out));
    EXPECT_TRUE(rightTexts.contains(QStringLiteral("Wet Bulb Globe Temperature (right axis)")));
    EXPECT_TRUE(rightTexts.contains(QStringLiteral("Wet Bulb Globe Temperature (\u00b0C)")));
    EXPECT_TRUE(rightTexts.contains(QStringLiteral("Wet Bulb Temperature")));
}

TEST_F(PlotCommand, ADensityAxisLabelsItsTenths)
{
    const CliOutput r = Cli({"plot", Example("haulage-drift.zt2"), "--branch", "1", "--plots", "density", "--svg", "-"});
    ASSERT_EQ(r.status, 0) << r.err;
    const QStringList texts = SvgTexts(QByteArray::fromStdString(r.out));
    int decimals = 0;
    for (const QString& text : texts)
        decimals += text.contains(QRegularExpression(QStringLiteral("^1\\.[0-9]$"))) ? 1 : 0;
    EXPECT_GE(decimals, 5) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Density (kg/m\u00b3)")));
}

TEST_F(PlotCommand, ALargePictureHasLargerTextAndAPdfIsTheGraphAlone)
{
    const QString small = OutputPath(QStringLiteral("plot-small.png"));
    const QString large = OutputPath(QStringLiteral("plot-3200x2000.png"));
    ASSERT_EQ(Cli({"plot", Example("hot-decline.zt2"), "--branch", "1", "--png", small.toStdString()}).status, 0);
    ASSERT_EQ(Cli({"plot", Example("hot-decline.zt2"), "--branch", "1", "--png", large.toStdString(), "--width", "3200",
                   "--height", "2000"})
                  .status,
              0);
    const QImage smallImage(small);
    const QImage largeImage(large);
    ASSERT_EQ(smallImage.size(), QSize(960, 600));
    ASSERT_EQ(largeImage.size(), QSize(3200, 2000));
    // Text and lines grow with the picture: about (3200 / 960)^2 as many
    // dark pixels, where text of one size would give barely more.
    const int smallInk = CountPixels(smallImage, Qt::black, 100);
    const int largeInk = CountPixels(largeImage, Qt::black, 100);
    EXPECT_GT(largeInk, 7 * smallInk) << smallInk << " " << largeInk;
    // Reduced to half, for a person to look at.
    EXPECT_TRUE(largeImage.scaled(1600, 1000, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                    .save(OutputPath(QStringLiteral("plot-3200x2000-half.png"))));

    const QString pdf = OutputPath(QStringLiteral("plot.pdf"));
    ASSERT_EQ(Cli({"plot", Example("hot-decline.zt2"), "--branch", "1", "--pdf", pdf.toStdString()}).status, 0);
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Distance (m)"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Printed:")));
    EXPECT_FALSE(text.contains(QStringLiteral("hot-decline.zt2")));
}

TEST_F(PlotCommand, BadBranchesPlotsSizesAndOutputsAreUsageErrors)
{
    const std::string file = Example("haulage-drift.zt2");
    for (const std::vector<std::string>& args : {
             std::vector<std::string>{"plot", file, "--branch", "2", "--svg", "-"},
             {"plot", file, "--branch", "0", "--svg", "-"},
             {"plot", file, "--branch", "one", "--svg", "-"},
             {"plot", file, "--svg", "-"},
             {"plot", file, "--branch", "1", "--plots", "dry-bulb,twilight", "--svg", "-"},
             {"plot", file, "--branch", "1", "--plots", "", "--svg", "-"},
             {"plot", file, "--branch", "1", "--plots", "dry-bulb,", "--svg", "-"},
             {"plot", file, "--branch", "1", "--right", "nothing", "--svg", "-"},
             {"plot", file, "--branch", "1", "--svg", "-", "--width", "99"},
             {"plot", file, "--branch", "1", "--svg", "-", "--height", "10001"},
             {"plot", file, "--branch", "1", "--svg", "-", "--width", "12.5"},
             {"plot", file, "--branch", "1", "--svg", "-", "--width", "99999999999"},
             {"plot", file, "--branch", "1"},
             {"plot", file, "--branch", "1", "--svg", "a.svg", "--png", "b.png"},
             {"plot", file, "--branch", "1", "--svg", ""},
             {"plot", "--branch", "1", "--svg", "-"},
         }) {
        const CliOutput r = Cli(args);
        EXPECT_EQ(r.status, 2) << args[3];
        EXPECT_EQ(r.err.rfind("dorvan-cli plot: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("Try 'dorvan-cli plot --help'."), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    const CliOutput help = Cli({"plot", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: dorvan-cli plot FILE --branch N", 0), 0u);
    EXPECT_NE(help.out.find("dry-bulb, wet-bulb, humidity"), std::string::npos);

    // A document without branches is a usage error; a missing file or an
    // output that cannot be written is an error of its own.
    const QString empty = OutputPath(QStringLiteral("no-results.zt2"));
    ASSERT_EQ(Cli({"new", empty.toStdString(), "--force"}).status, 0);
    CliOutput r = Cli({"plot", empty.toStdString(), "--branch", "1", "--svg", "-"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("the document has 0 branches"), std::string::npos) << r.err;
    r = Cli({"plot", Example("no-such.zt2"), "--branch", "1", "--svg", "-"});
    EXPECT_EQ(r.status, 2);
    r = Cli({"plot", file, "--branch", "1", "--svg",
             OutputPath(QStringLiteral("no-folder/x.svg")).toStdString()});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.find("Try"), std::string::npos) << r.err;
}

TEST_F(PlotCommand, TheProgramDrawsWithoutAWindow)
{
    // The program makes its own offscreen application, whatever the
    // environment names as the platform.
    const QString png = OutputPath(QStringLiteral("plot-process.png"));
    QFile::remove(png);
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(DORVAN_CLI_PATH),
              {QStringLiteral("plot"), QString::fromStdString(Example("hot-decline.zt2")), QStringLiteral("--branch"),
               QStringLiteral("1"), QStringLiteral("--plots"), QStringLiteral("skin,dry-bulb"), QStringLiteral("--png"),
               png, QStringLiteral("--width"), QStringLiteral("1200"), QStringLiteral("--height"),
               QStringLiteral("800")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(1200, 800));
}
