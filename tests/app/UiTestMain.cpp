// Test program of the windowed program: a QApplication on the offscreen
// platform with the program's names, settings in a temporary folder.
#include "DorvanApp.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir settingsDir;
    // A home of its own, so that the recovery copies (kept under the user's
    // data location) of test programs running side by side never meet; the
    // program a test starts inherits it.
    QTemporaryDir home;
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    CDorvanApp::SetNames();
    return RUN_ALL_TESTS();
}
