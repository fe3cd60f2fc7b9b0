// Test program of the grid component: a QApplication on the offscreen
// platform, settings in a temporary folder, then every GoogleTest case.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir settingsDir;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("DorvanTests"));
    QApplication::setApplicationName(QStringLiteral("grid_tests"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dorvan"));
    return RUN_ALL_TESTS();
}
