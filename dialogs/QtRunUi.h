#pragma once
// A run's needs met by the windowed program: the busy cursor, the dry-bulb
// guard's message box and the Data Errors dialog.
#include "RunUi.h"

class QWidget;

class CQtRunUi : public IRunUi {
public:
    explicit CQtRunUi(QWidget* parent) : m_parent(parent) {}
    void BeginBusy() override;
    void EndBusy() override;
    void ShowGuardMessage(const std::string& text) override;
    void ShowDataErrors(const std::vector<std::string>& errors) override;

private:
    QWidget* m_parent;
    int m_busy = 0;
};
