#include "FieldForm.h"

#include "MessageBoxes.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

QLineEdit* AddFieldRow(QGridLayout* layout, int row, const QString& label, const QString& hint)
{
    QWidget* owner = layout->parentWidget();
    auto* edit = new QLineEdit(owner);
    auto* caption = new QLabel(label, owner);
    caption->setBuddy(edit);
    layout->addWidget(caption, row, 0);
    layout->addWidget(edit, row, 1);
    if (!hint.isEmpty())
        layout->addWidget(new QLabel(hint, owner), row, 2);
    return edit;
}

void RefuseField(QWidget* parent, QLineEdit* field, const std::string& message)
{
    Messages::Warning(parent, QString::fromStdString(message));
    if (field) {
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    }
}

std::string FieldString(const QLineEdit* field)
{
    return field ? field->text().toStdString() : std::string();
}

void SetFieldString(QLineEdit* field, const std::string& text)
{
    if (field)
        field->setText(QString::fromStdString(text));
}
