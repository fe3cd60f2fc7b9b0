#pragma once
// The results table: the result rows of the document's result branch, read
// only; message rows read across the table.
#include "KalvexTableView.h"
#include "ThermalWorkLimit.h"

class CResultTableView : public CKalvexTableView {
    Q_OBJECT

public:
    explicit CResultTableView(COpenDocument& document, QWidget* parent = nullptr);

    QString Caption() const override;
    bool HandlesCommand(int id) const override;
    bool IsCommandEnabled(int id) const override;
    bool RunCommand(int id) override;

    // The text colour of a mean skin temperature at or above the limit.
    static QColor HotSkinColour() { return QColor(200, 0, 0); }
    // The background of a thermal work limit cell: red, orange, yellow or
    // green from Withdrawal to Unrestricted.
    static QColor ZoneColour(TwlZone zone);

protected:
    int RecordCount() const override;
    void OnNewParam(CGXGridParam& param) override;
    bool SetsInitialCurrentCell() const override { return false; }
    bool HasEditingKeys() const override { return false; }
    CKalvexBranch* CommandBranch() const override;
    bool CanRunAirSources() const override;
    void AfterBranchDialog(int id) override;
    bool SpansTable(int row) const override;
    void AfterUpdate() override;
    bool GetStyleRowCol(int row, int col, CGXStyle& style) const override;
    bool StoreStyleRowCol(int row, int col, const QString& text) override;

private:
    int ResultBranchIndex() const;
    bool SelectBranch();
    bool StepBranch(int step);
    bool ExportCsv();
    void Refresh();
    void CoverMessageRows();
};
