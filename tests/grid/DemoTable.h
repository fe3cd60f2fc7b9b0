#pragma once
// A small demonstration table on the grid component: measuring points with
// a name, a heat value (kW, 0 to 1000), a computed share of the total and a
// note, plus remark rows whose text runs across the table. It is built the
// way the program's table views are: virtual cells from the records, a
// column list the user can reorder, validation with a warning text, and the
// parameter object kept by a document.
#include "DocumentObserver.h"
#include "GXGridView.h"

#include <QStringList>

#include <string>
#include <vector>

class CKalvexDoc;

struct CDemoRecord {
    std::string name;
    double heat = 0.0;  // kW, stored with two decimals
    std::string note;
    bool remark = false;  // a remark row: `note` is shown across the table
};

// What the document side of the demo holds: records, the column order
// (position 0 is the header column) and the show-units switch.
struct CDemoData {
    std::vector<CDemoRecord> records;
    std::vector<int> columns{0, 1, 2, 3, 4};
    bool showUnits = true;
    int moveRowCalls = 0;
    int moveColCalls = 0;
    int lastFrom = 0, lastTo = 0, lastDest = 0;
};

class CDemoTable : public CGXGridView, public IDocumentView {
    Q_OBJECT

public:
    enum Column { kHeaderColumn = 0, kName = 1, kHeat = 2, kShare = 3, kNote = 4 };

    // The view keeps the data and the parameter object it is given; doc
    // (optional) carries the hints to the other views.
    CDemoTable(CDemoData& records, CGXGridParam* param, CKalvexDoc* doc = nullptr, QWidget* parent = nullptr);
    ~CDemoTable() override;

    // Initial update as a table view does it: counts, options of a new
    // parameter object, current cell (1, 1).
    void InitialUpdate(bool newParam);
    // The records changed in number: rows follow.
    void RecordsChanged();

    void OnUpdate(IDocumentView* sender, long hint, CUpdateHint* hintObject) override;

    static QString ColumnTitle(int id, bool units);
    int keyDownCalls = 0;
    // What the owner would record for its undo, in order: "begin", "end"
    // (edit groups) and "store row,col" for every stored cell.
    QStringList log;
    int OpenGroups() const { return static_cast<int>(log.count("begin") - log.count("end")); }
    bool lastPrintLandscape = false;
    int printerChangedCalls = 0;

protected:
    bool GetStyleRowCol(int row, int col, CGXStyle& style) const override;
    bool StoreStyleRowCol(int row, int col, const QString& text) override;
    bool OnValidateCell(int row, int col, QString& text) override;
    bool OnMoveRows(int from, int to, int dest) override;
    bool OnMoveCols(int from, int to, int dest) override;
    int GetRowHeight(int row) const override;
    bool OnKeyDown(QKeyEvent* event) override;
    void OnPrintHeader(QPainter& painter, const QRect& area, int page, int pageCount) override;
    void OnPrinterChanged(QPrinter& printer) override;
    void OnGridHint(CGXGridHint& hint) override;
    void OnBeginEditGroup() override;
    void OnEndEditGroup() override;

private:
    void ApplyRemarks();
    int ColumnId(int col) const;
    double TotalHeat() const;

    CDemoData& m_data;
    CKalvexDoc* m_doc;
};
