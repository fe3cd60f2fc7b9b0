// A run of the program that ends in a crash: it opens a document, changes
// it, waits until the recovery copy has been written and kills itself.
// The recovery tests start it and look at what it left behind.
#include "DorvanApp.h"
#include "KalvexDoc.h"
#include "MainFrame.h"
#include "OpenDocument.h"
#include "RecoveryCopies.h"

#include <QApplication>
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
    QTimer::singleShot(500, [] { std::raise(SIGKILL); });
    return app.exec();
}
