#include "AboutBox.h"

#include "DorvanVersion.h"
#include "GXModal.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CAboutBox::CAboutBox(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Kalvex for Windows"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    const QStringList lines = {
        QStringLiteral("Kalvex for Windows Version 1.2"),
        QStringLiteral("Climatic Simulation Program"),
        QStringLiteral("for Subsurface Mines and Facilities"),
        QString(),
        QStringLiteral("Dorvan %1, built with Qt %2").arg(QApplication::applicationVersion(), QString::fromLatin1(qVersion())),
        QStringLiteral("Results are estimates of a model; check them against measurements."),
        QString(),
    };
    for (const QString& line : lines)
        texts->addWidget(new QLabel(line, this));
    for (const char* line : kDorvanLicenceNotice)
        texts->addWidget(new QLabel(QString::fromUtf8(line), this));

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addLayout(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

void ShowAboutBox(QWidget* parent)
{
    CAboutBox box(parent);
    GXModal::Exec(box);
}
