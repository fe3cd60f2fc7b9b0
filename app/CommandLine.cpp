#include "CommandLine.h"

#include "DorvanVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

// --help-all is left out: Qt's options for windowed programs, which it
// lists, come from the QApplication.
const QStringList kTextOptions = {QStringLiteral("-h"), QStringLiteral("-?"), QStringLiteral("--help"),
                                  QStringLiteral("-v"), QStringLiteral("--version")};

void Define(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Climatic simulation of underground mine airways: the windowed program.\n"
                       "Opens the .zt2 document named, or a new document when none is."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The .zt2 document to open."),
                                 QStringLiteral("[file]"));
}

}  // namespace

SCommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    Define(parser);
    SCommandLine line;
    const bool parsed = parser.parse(arguments);
    if (parsed && parser.isSet(QStringLiteral("help-all"))) {
        line.answer = SCommandLine::EAnswer::HelpAll;
    } else if (parsed && parser.isSet(QStringLiteral("help"))) {
        line.answer = SCommandLine::EAnswer::Help;
        line.text = parser.helpText();
    } else if (parsed && parser.isSet(QStringLiteral("version"))) {
        line.answer = SCommandLine::EAnswer::Version;
        line.text = VersionText();
    } else if (!parsed) {
        line.answer = SCommandLine::EAnswer::Mistake;
        line.text = QStringLiteral("dorvan: %1\nTry 'dorvan --help'.\n").arg(parser.errorText());
    } else if (parser.positionalArguments().size() > 1) {
        line.answer = SCommandLine::EAnswer::Mistake;
        line.text = QStringLiteral("dorvan: opens one document at a time; %1 files were named\n"
                                   "Try 'dorvan --help'.\n")
                        .arg(parser.positionalArguments().size());
    } else if (!parser.positionalArguments().isEmpty()) {
        line.file = parser.positionalArguments().first();
    }
    return line;
}

bool AsksForHelpOrVersion(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            return false;
        if (kTextOptions.contains(argument))
            return true;
    }
    return false;
}

QString VersionText()
{
    QString text = QStringLiteral("dorvan %1\n").arg(QString::fromUtf8(kDorvanVersion));
    for (const char* line : kDorvanLicenceNotice)
        text += QString::fromUtf8(line) + QLatin1Char('\n');
    return text;
}

int PrintAnswer(const SCommandLine& line)
{
    if (line.answer == SCommandLine::EAnswer::HelpAll) {
        // Qt prints its help with its own options and ends the program.
        QCommandLineParser parser;
        Define(parser);
        parser.process(QCoreApplication::arguments());
    }
    const bool mistake = line.answer == SCommandLine::EAnswer::Mistake;
    const QByteArray text = line.text.toLocal8Bit();
    std::fputs(text.constData(), mistake ? stderr : stdout);
    return mistake ? 1 : 0;
}
