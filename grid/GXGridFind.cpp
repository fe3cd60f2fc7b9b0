// CGXGridView: Find, Replace and Find Again over the cell texts.
#include "GXGridView.h"

#include "GXFeedback.h"
#include "GXFindReplaceDialog.h"
#include "GXGridHint.h"

namespace {

Qt::CaseSensitivity Sensitivity(const CGXFindOptions& options)
{
    return options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

QString Replaced(const QString& text, const CGXFindOptions& options)
{
    if (options.wholeCell)
        return options.replaceWith;
    QString result = text;
    return result.replace(options.findWhat, options.replaceWith, Sensitivity(options));
}

}  // namespace

bool CGXGridView::CellMatches(int row, int col, const CGXFindOptions& options) const
{
    const QString text = GetValueRowCol(row, col);
    if (options.wholeCell)
        return text.compare(options.findWhat, Sensitivity(options)) == 0;
    return text.contains(options.findWhat, Sensitivity(options));
}

bool CGXGridView::FindNext(const CGXFindOptions& options)
{
    if (options.findWhat.isEmpty())
        return false;
    m_lastFind = options;
    m_hasLastFind = true;
    if (!TransferCurrentCell())
        return false;
    const int total = m_rowCount * m_colCount;
    if (total > 0) {
        int row = 0;
        int col = 0;
        int start = options.searchDown ? -1 : total;
        if (GetCurrentCell(row, col))
            start = (row - 1) * m_colCount + (col - 1);
        const int step = options.searchDown ? 1 : -1;
        for (int k = 1; k <= total; ++k) {
            const int p = ((start + step * k) % total + total) % total;
            const int r = p / m_colCount + 1;
            const int c = p % m_colCount + 1;
            if (CellMatches(r, c, options)) {
                ClearSelection();
                return SetCurrentCell(r, c);
            }
        }
    }
    GXFeedback::ShowWarning(this, tr("Cannot find \"%1\".").arg(options.findWhat));
    return false;
}

bool CGXGridView::FindAgain()
{
    return m_hasLastFind && FindNext(m_lastFind);
}

bool CGXGridView::ReplaceCurrent(const CGXFindOptions& options)
{
    if (options.findWhat.isEmpty())
        return false;
    if (!TransferCurrentCell())
        return false;
    int row = 0;
    int col = 0;
    bool replaced = false;
    if (GetCurrentCell(row, col) && CellMatches(row, col, options) && LookupStyle(row, col).editable) {
        if (!ValidateAndStore(row, col, Replaced(GetValueRowCol(row, col), options), true))
            return false;
        RedrawRange(CGXRange::Cells(row, col, row, col));
        CGXGridHint hint(CGXGridHint::Kind::Cells, m_param, this);
        hint.range = CGXRange::Cells(row, col, row, col);
        SendHint(hint);
        replaced = true;
    }
    FindNext(options);
    return replaced;
}

int CGXGridView::ReplaceAll(const CGXFindOptions& options)
{
    if (options.findWhat.isEmpty() || !TransferCurrentCell())
        return 0;
    m_lastFind = options;
    m_hasLastFind = true;
    int count = 0;
    bool stopped = false;
    {
        const EditGroup group(*this);
        for (int r = 1; r <= m_rowCount && !stopped; ++r) {
            for (int c = 1; c <= m_colCount; ++c) {
                if (!CellMatches(r, c, options) || !LookupStyle(r, c).editable)
                    continue;
                if (!ValidateAndStore(r, c, Replaced(GetValueRowCol(r, c), options), true)) {
                    SetCurrentCell(r, c);
                    stopped = true;
                    break;
                }
                ++count;
            }
        }
    }
    if (count > 0) {
        Redraw();
        CGXGridHint hint(CGXGridHint::Kind::Cells, m_param, this);
        hint.range = CGXRange::Cells(1, 1, m_rowCount, m_colCount);
        SendHint(hint);
    } else if (!stopped) {
        GXFeedback::ShowWarning(this, tr("Cannot find \"%1\".").arg(options.findWhat));
    }
    return count;
}

namespace {

// Shows the grid's find dialog of the wanted kind, made anew when the open
// one is of the other kind.
CGXFindReplaceDialog* OpenDialog(CGXGridView* grid, QPointer<CGXFindReplaceDialog>& slot, bool replace)
{
    CGXFindReplaceDialog* dialog = slot.data();
    if (dialog && dialog->IsReplace() != replace) {
        delete dialog;
        dialog = nullptr;
    }
    if (!dialog) {
        dialog = new CGXFindReplaceDialog(grid, replace);
        slot = dialog;
    }
    return dialog;
}

}  // namespace

void CGXGridView::ShowFindDialog()
{
    CGXFindReplaceDialog* dialog = OpenDialog(this, m_findDialog, false);
    if (m_hasLastFind)
        dialog->SetOptions(m_lastFind);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void CGXGridView::ShowReplaceDialog()
{
    CGXFindReplaceDialog* dialog = OpenDialog(this, m_findDialog, true);
    if (m_hasLastFind)
        dialog->SetOptions(m_lastFind);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
