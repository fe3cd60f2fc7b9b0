#pragma once
// The application: names for the settings, the main window, the command
// line, and the about box after the first window.
#include <QApplication>

#include <memory>

class CMainFrame;

// Start-up: the main window, the command line carried out (no argument: a
// new document; a file: open it, or its message and a new document), the
// window shown, then the about box when asked for.
std::unique_ptr<CMainFrame> StartMainFrame(const QStringList& arguments, bool showAbout);

class CDorvanApp : public QApplication {
    Q_OBJECT

public:
    CDorvanApp(int& argc, char** argv);
    ~CDorvanApp() override;

    bool Start(const QStringList& arguments, bool showAbout = true);
    CMainFrame* MainFrame() const { return m_main.get(); }

    static void SetNames();

private:
    std::unique_ptr<CMainFrame> m_main;
};
