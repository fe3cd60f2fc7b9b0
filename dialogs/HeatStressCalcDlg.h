#pragma once
// Tools > Heat Stress Calculator: rates a workplace reading (thermal work
// limit with its zone, WBGT, effective and mean skin temperature) as the
// fields change. It stands beside the documents and changes none of them.
#include <QDialog>

class QLabel;
class QLineEdit;

class CHeatStressCalcDlg : public QDialog {
    Q_OBJECT

public:
    explicit CHeatStressCalcDlg(QWidget* parent = nullptr);

    // The answer as shown: four lines, or why the reading cannot be rated.
    QString AnswerText() const;
    QLineEdit* Field(int index) const { return m_fields[index]; }
    static constexpr int kFieldCount = 9;

private:
    void Update();

    QLineEdit* m_fields[kFieldCount] = {};
    QLabel* m_answer = nullptr;
};
