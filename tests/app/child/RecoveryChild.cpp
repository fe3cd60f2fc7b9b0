// A run of the program that ends in a crash: it opens a document, changes
// it, waits until the recovery copy has been written (however slow the
// machine) and kills itself.
// The recovery tests start it and look at what it left behind.
#include "DorvanApp.h"
#include "KalvexDoc.h"
#include "MainFrame.h"
#include "OpenDocument.h"
#include "RecoveryCopies.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include <csignal>
#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    CDorvanApp::SetNames();
    if (argc < 2)
        return 2;
    CMainFrame main;
    main.Recovery().SetInterval(20);
    COpenDocument* document = main.OpenDocument(QString::fromLocal8Bit(argv[1]));
    if (!document)
        return 3;
    document->doc.BranchAt(0).name = "Changed before the crash";
    document->doc.SetModifiedFlag();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [] {
        QDirIterator copies(CRecoveryCopies::Root(), {QStringLiteral("*.zt2")}, QDir::Files,
                            QDirIterator::Subdirectories);
        if (copies.hasNext())
            std::raise(SIGKILL);
    });
    watch.start(10);
    QTimer::singleShot(20000, [] { std::exit(4); });  // no copy at all: the test fails plainly
    return app.exec();
}
