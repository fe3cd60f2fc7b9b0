// dorvan's command line, and the licence notice of --version and the about box.
#include "AboutBox.h"
#include "CommandLine.h"
#include "DorvanVersion.h"

#include <QFile>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

SCommandLine Parse(const QStringList& arguments)
{
    return ParseCommandLine(QStringList{QStringLiteral("dorvan")} + arguments);
}

}  // namespace

TEST(CommandLine, OpensAtMostOneDocument)
{
    SCommandLine line = Parse({});
    EXPECT_EQ(line.answer, SCommandLine::EAnswer::Start);
    EXPECT_TRUE(line.file.isEmpty());

    line = Parse({"hot decline.zt2"});
    EXPECT_EQ(line.answer, SCommandLine::EAnswer::Start);
    EXPECT_EQ(line.file, "hot decline.zt2");

    // After "--" a name that looks like an option is a file.
    line = Parse({"--", "--version"});
    EXPECT_EQ(line.answer, SCommandLine::EAnswer::Start);
    EXPECT_EQ(line.file, "--version");

    line = Parse({"a.zt2", "b.zt2"});
    EXPECT_EQ(line.answer, SCommandLine::EAnswer::Mistake);
    EXPECT_TRUE(line.text.contains("2 files were named")) << line.text.toStdString();

    line = Parse({"--colour", "a.zt2"});
    EXPECT_EQ(line.answer, SCommandLine::EAnswer::Mistake);
    EXPECT_TRUE(line.text.contains("colour")) << line.text.toStdString();
    EXPECT_TRUE(line.text.contains("dorvan --help"));
    EXPECT_EQ(PrintAnswer(line), 1);
}

TEST(CommandLine, HelpAndVersionComeFromTheParser)
{
    const SCommandLine help = Parse({"a.zt2", "--help"});
    EXPECT_EQ(help.answer, SCommandLine::EAnswer::Help);
    for (const char* text : {"Usage:", "[file]", "--help", "--help-all", "--version", "mine airways"})
        EXPECT_TRUE(help.text.contains(text)) << text;
    EXPECT_EQ(Parse({"-h"}).answer, SCommandLine::EAnswer::Help);
    EXPECT_EQ(Parse({"--help-all"}).answer, SCommandLine::EAnswer::HelpAll);

    const SCommandLine version = Parse({"-v"});
    EXPECT_EQ(version.answer, SCommandLine::EAnswer::Version);
    EXPECT_EQ(version.text, VersionText());
    EXPECT_TRUE(version.text.startsWith(QStringLiteral("dorvan %1\n").arg(kDorvanVersion)));
    for (const char* line : kDorvanLicenceNotice)
        EXPECT_TRUE(version.text.contains(QString::fromUtf8(line) + '\n')) << line;
}

TEST(CommandLine, OnlyHelpAndVersionSkipTheWindowSystem)
{
    EXPECT_TRUE(AsksForHelpOrVersion({"dorvan", "--version"}));
    EXPECT_TRUE(AsksForHelpOrVersion({"dorvan", "a.zt2", "-h"}));
    EXPECT_FALSE(AsksForHelpOrVersion({"dorvan"}));
    EXPECT_FALSE(AsksForHelpOrVersion({"dorvan", "a.zt2"}));
    // Qt's own options are only known to the QApplication.
    EXPECT_FALSE(AsksForHelpOrVersion({"dorvan", "--help-all"}));
    EXPECT_FALSE(AsksForHelpOrVersion({"dorvan", "--", "--help"}));
    // The program's name is never an option.
    EXPECT_FALSE(AsksForHelpOrVersion({"--version"}));
}

TEST(LicenceNotice, MatchesTheLicenceAndIsInTheAboutBox)
{
    QFile licence(QStringLiteral(EXAMPLES_DIR "/../LICENSE"));
    ASSERT_TRUE(licence.open(QIODevice::ReadOnly));
    const QString terms = QString::fromUtf8(licence.readAll());
    EXPECT_TRUE(terms.startsWith("MIT License\n"));
    EXPECT_TRUE(terms.contains(QString::fromUtf8(kDorvanLicenceNotice[0]) + '\n')) << kDorvanLicenceNotice[0];

    CAboutBox box;
    QStringList shown;
    for (const QLabel* label : box.findChildren<QLabel*>())
        shown << label->text();
    EXPECT_EQ(box.windowTitle(), "About Kalvex for Windows");
    EXPECT_TRUE(shown.contains("Kalvex for Windows Version 1.2"));
    for (const char* line : kDorvanLicenceNotice)
        EXPECT_TRUE(shown.contains(QString::fromUtf8(line))) << line;
}
