#include "DemoTable.h"

#include "GXGridHint.h"
#include "GridParam.h"
#include "KalvexDoc.h"
#include "NumberText.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

CDemoTable::CDemoTable(CDemoData& records, CGXGridParam* param, CKalvexDoc* doc, QWidget* parent)
    : CGXGridView(parent), m_data(records), m_doc(doc)
{
    AttachParam(param);
    if (m_doc)
        m_doc->AddView(this);
}

CDemoTable::~CDemoTable()
{
    if (m_doc)
        m_doc->RemoveView(this);
}

void CDemoTable::InitialUpdate(bool newParam)
{
    SetRowCount(static_cast<int>(m_data.records.size()));
    SetColCount(static_cast<int>(m_data.columns.size()) - 1);
    if (newParam) {
        SetAllowMultipleRanges(false);
        SetNumberedHeaders(false, false);
        SetAllowResize(false, true);
    }
    if (GetRowCount() > 0)
        SetCurrentCell(1, 1);
    ApplyRemarks();
    Redraw();
}

void CDemoTable::RecordsChanged()
{
    SetRowCount(static_cast<int>(m_data.records.size()));
    ClearSelection();
    ApplyRemarks();
    Redraw();
}

void CDemoTable::OnUpdate(IDocumentView*, long, CUpdateHint* hintObject)
{
    if (auto* hint = dynamic_cast<CGXGridHint*>(hintObject)) {
        ProcessHint(*hint);
        return;
    }
    ApplyRemarks();
    Redraw();
}

void CDemoTable::ApplyRemarks()
{
    for (int r = 1; r <= GetRowCount(); ++r) {
        if (m_data.records[static_cast<std::size_t>(r - 1)].remark)
            SetCoveredCells(r, 1, r, GetColCount());
        else
            RemoveCoveredCells(r, 1);
    }
}

QString CDemoTable::ColumnTitle(int id, bool units)
{
    switch (id) {
    case kHeaderColumn:
        return QStringLiteral("Point");
    case kName:
        return QStringLiteral("Name");
    case kHeat:
        return units ? QStringLiteral("Heat\n(kW)") : QStringLiteral("Heat");
    case kShare:
        return units ? QStringLiteral("Share\n(%)") : QStringLiteral("Share");
    case kNote:
        return QStringLiteral("Note");
    default:
        return {};
    }
}

int CDemoTable::ColumnId(int col) const
{
    return m_data.columns.at(static_cast<std::size_t>(col));
}

double CDemoTable::TotalHeat() const
{
    double total = 0.0;
    for (const CDemoRecord& record : m_data.records)
        if (!record.remark)
            total += record.heat;
    return total;
}

bool CDemoTable::GetStyleRowCol(int row, int col, CGXStyle& style) const
{
    if (row == 0) {
        style.value = ColumnTitle(ColumnId(col), m_data.showUnits);
        style.vertical = Qt::AlignTop;
        return !style.value.isEmpty();
    }
    if (col == 0) {
        style.value = QString::number(row);
        return true;
    }
    const CDemoRecord& record = m_data.records.at(static_cast<std::size_t>(row - 1));
    if (record.remark) {
        if (col != 1)
            return false;
        style.value = QString::fromStdString(record.note);
        style.horizontal = Qt::AlignLeft;
        style.italic = true;
        style.editable = false;
        return true;
    }
    switch (ColumnId(col)) {
    case kName:
        style.value = QString::fromStdString(record.name);
        break;
    case kHeat:
        style.value = QString::fromStdString(FormatFixed(record.heat, 2));
        style.horizontal = Qt::AlignRight;
        if (record.heat > 500.0)
            style.textColour = QColor(200, 0, 0);
        break;
    case kShare: {
        const double total = TotalHeat();
        style.value = total > 0.0 ? QString::fromStdString(FormatFixed(100.0 * record.heat / total, 1))
                                  : QStringLiteral("none");
        style.horizontal = Qt::AlignRight;
        style.editable = false;
        style.italic = true;
        break;
    }
    case kNote:
        style.value = QString::fromStdString(record.note);
        break;
    default:
        return false;
    }
    return true;
}

bool CDemoTable::StoreStyleRowCol(int row, int col, const QString& text)
{
    if (row < 1 || row > static_cast<int>(m_data.records.size()))
        return false;
    CDemoRecord& record = m_data.records[static_cast<std::size_t>(row - 1)];
    switch (ColumnId(col)) {
    case kName:
        if (text.trimmed().isEmpty())
            return false;  // a point needs a name
        record.name = text.toStdString();
        break;
    case kHeat:
        record.heat = RoundDecimals(AtofC(text.toStdString()), 2);
        break;
    case kNote:
        record.note = text.toStdString();
        break;
    default:
        return false;
    }
    if (m_doc) {
        m_doc->SetModifiedFlag();
        m_doc->UpdateAllViews(this, kHintContents, nullptr);
    }
    RedrawRange(CGXRange::Cols(1, GetColCount(), GetRowCount()));  // the shares follow
    log << QStringLiteral("store %1,%2").arg(row).arg(col);
    return true;
}

bool CDemoTable::OnValidateCell(int, int col, QString& text)
{
    if (ColumnId(col) != kHeat)
        return true;
    const std::string s = text.trimmed().toStdString();
    const ParsedNumber number = ParseLeadingNumber(s);
    if (s.empty() || number.used != s.size()) {
        SetWarningText(QStringLiteral("Please enter a number."));
        return false;
    }
    if (number.value < 0.0 || number.value > 1000.0) {
        SetWarningText(QStringLiteral("Please enter a number from 0 to 1000.00"));
        return false;
    }
    return true;
}

bool CDemoTable::OnMoveRows(int from, int to, int dest)
{
    ++m_data.moveRowCalls;
    m_data.lastFrom = from;
    m_data.lastTo = to;
    m_data.lastDest = dest;
    auto& records = m_data.records;
    std::vector<CDemoRecord> taken(records.begin() + (from - 1), records.begin() + to);
    records.erase(records.begin() + (from - 1), records.begin() + to);
    records.insert(records.begin() + (dest - 1), taken.begin(), taken.end());
    if (m_doc)
        m_doc->UpdateAllViews(this, kHintContents, nullptr);
    return true;
}

bool CDemoTable::OnMoveCols(int from, int to, int dest)
{
    ++m_data.moveColCalls;
    m_data.lastFrom = from;
    m_data.lastTo = to;
    m_data.lastDest = dest;
    auto& ids = m_data.columns;
    std::vector<int> taken(ids.begin() + from, ids.begin() + to + 1);
    ids.erase(ids.begin() + from, ids.begin() + to + 1);
    ids.insert(ids.begin() + dest, taken.begin(), taken.end());
    if (m_doc)
        m_doc->SetModifiedFlag();
    return true;
}

int CDemoTable::GetRowHeight(int row) const
{
    if (row == 0)
        return m_data.showUnits ? 2 * GetDefaultRowHeight() : GetDefaultRowHeight();
    return CGXGridView::GetRowHeight(row);
}

bool CDemoTable::OnKeyDown(QKeyEvent* event)
{
    ++keyDownCalls;
    if (GetRowCount() == 0)
        return true;  // an empty table swallows every key
    // F9 toggles the unit lines, as the program's Units command does.
    if (event->key() == Qt::Key_F9) {
        m_data.showUnits = !m_data.showUnits;
        Redraw();
        return true;
    }
    return false;
}

void CDemoTable::OnPrintHeader(QPainter& painter, const QRect& area, int page, int pageCount)
{
    painter.drawText(area.left(), area.top() - 5,
                     QStringLiteral("Demo Table - page %1 of %2").arg(page).arg(pageCount));
}

void CDemoTable::OnPrinterChanged(QPrinter& printer)
{
    ++printerChangedCalls;
    lastPrintLandscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    GetParam()->properties.landscape = lastPrintLandscape ? 1 : 0;
}

void CDemoTable::OnGridHint(CGXGridHint& hint)
{
    if (m_doc)
        m_doc->UpdateAllViews(this, kHintContents, &hint);
    CGXGridView::OnGridHint(hint);
}

void CDemoTable::OnBeginEditGroup()
{
    log << QStringLiteral("begin");
}

void CDemoTable::OnEndEditGroup()
{
    log << QStringLiteral("end");
}
