// dorvan: the windowed program.
#include "CommandLine.h"
#include "DorvanApp.h"

#include <QCoreApplication>

namespace {

QStringList Arguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char** argv)
{
    // Help and version are answered before any window system is needed.
    if (AsksForHelpOrVersion(Arguments(argc, argv))) {
        QCoreApplication core(argc, argv);
        return PrintAnswer(ParseCommandLine(QCoreApplication::arguments()));
    }
    CDorvanApp app(argc, argv);
    const SCommandLine line = ParseCommandLine(QCoreApplication::arguments());
    if (line.answer != SCommandLine::EAnswer::Start)
        return PrintAnswer(line);
    if (!app.Start(line.file.isEmpty() ? QStringList() : QStringList{line.file}))
        return 1;
    return app.exec();
}
