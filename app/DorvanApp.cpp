#include "DorvanApp.h"

#include "AboutBox.h"
#include "DorvanVersion.h"
#include "GXFeedback.h"
#include "MainFrame.h"
#include "MessageBoxes.h"

CDorvanApp::CDorvanApp(int& argc, char** argv) : QApplication(argc, argv)
{
    SetNames();
}

CDorvanApp::~CDorvanApp() = default;

static void LoadIcons()
{
    Q_INIT_RESOURCE(icons);
}

void CDorvanApp::SetNames()
{
    LoadIcons();
    QApplication::setOrganizationName(QStringLiteral("Dorvan"));
    QApplication::setApplicationName(QStringLiteral("Dorvan"));
    // The grid's refusals in message boxes titled like the program's own.
    GXFeedback::SetWarningPresenter([](QWidget* parent, const QString& text) { Messages::Warning(parent, text); });
    QApplication::setApplicationVersion(QString::fromUtf8(kDorvanVersion));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/dorvan.svg")));
}

std::unique_ptr<CMainFrame> StartMainFrame(const QStringList& arguments, bool showAbout)
{
    auto main = std::make_unique<CMainFrame>();
    if (arguments.isEmpty() || !main->OpenDocument(arguments.first()))
        main->NewDocument();
    main->show();
    main->OfferRecoveryCopies();
    if (showAbout)
        ShowAboutBox(main.get());
    return main;
}

bool CDorvanApp::Start(const QStringList& arguments, bool showAbout)
{
    m_main = StartMainFrame(arguments, showAbout);
    return m_main != nullptr;
}
