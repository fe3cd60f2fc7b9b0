#include "HelpButton.h"

#include "HelpWindow.h"

#include <QDialog>
#include <QDialogButtonBox>

void AddHelpButton(QDialogButtonBox* buttons, QDialog* dialog, const QString& topic)
{
    buttons->addButton(QDialogButtonBox::Help);
    QObject::connect(buttons, &QDialogButtonBox::helpRequested, dialog, [dialog, topic] { ShowHelp(topic, dialog); });
}
