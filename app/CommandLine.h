#pragma once
// dorvan's command line: at most one document to open, --help and --version,
// read with QCommandLineParser.
#include <QString>
#include <QStringList>

struct SCommandLine {
    enum class EAnswer { Start, Help, HelpAll, Version, Mistake };
    EAnswer answer = EAnswer::Start;
    QString file;  // the document to open; empty for a new document
    QString text;  // what to print for Help, Version and Mistake
};

// Reads the arguments, the program's name first. Needs a QCoreApplication.
SCommandLine ParseCommandLine(const QStringList& arguments);

// Whether the arguments ask for help or the version, which are answered
// before a window system is needed.
bool AsksForHelpOrVersion(const QStringList& arguments);

// "dorvan VERSION" and the copyright and licence notice, one line each.
QString VersionText();

// Prints the answer's text (a mistake to standard error) and returns the
// exit status: 0, or 1 for a mistake. HelpAll needs the QApplication and
// ends the program.
int PrintAnswer(const SCommandLine& line);
