#pragma once
// "About Kalvex for Windows".
#include <QDialog>

class CAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit CAboutBox(QWidget* parent = nullptr);
};

void ShowAboutBox(QWidget* parent);
