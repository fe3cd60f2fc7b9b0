#include "GXItemDelegate.h"

#include "GXCellText.h"
#include "GXGridView.h"
#include "GXTableView.h"
#include "GridParam.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>

namespace {
const char* const kInitialised = "gxInitialised";
}

CGXItemDelegate::CGXItemDelegate(CGXGridView* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

void CGXItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    const int row = index.row() + 1;
    const int col = index.column() + 1;
    const CGXProperties& props = m_grid->GetParam()->properties;
    const CGXStyle style = m_grid->LookupStyle(row, col);
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    // In whole-row mode the selected row is the marker; otherwise the current
    // cell gets a frame and is drawn without the selection colour.
    const bool wholeRows = view && view->selectionBehavior() == QAbstractItemView::SelectRows;
    const bool current = !wholeRows && view && view->currentIndex() == index;
    const bool selected = (option.state & QStyle::State_Selected) && !current;

    const QRect rect = option.rect;
    QColor background = style.interiorColour.isValid() ? style.interiorColour
                                                       : QColor(static_cast<QRgb>(props.backgroundColour));
    painter->save();
    painter->fillRect(rect, background);
    if (selected) {
        QColor highlight = option.palette.color(QPalette::Highlight);
        highlight.setAlpha(90);
        painter->fillRect(rect, highlight);
    }
    if (!style.value.isEmpty()) {
        QFont font = m_grid->ZoomedFont();
        font.setWeight(static_cast<QFont::Weight>(style.fontWeight));
        font.setItalic(style.italic);
        painter->setFont(font);
        painter->setPen(style.textColour.isValid() ? style.textColour
                                                   : QColor(static_cast<QRgb>(props.textColour)));
        QRect textRect = rect.adjusted(3, 1, -3, -1);
        // Left-aligned text of a cell that covers several columns starts
        // where the cell comes into view: a message across the table stays
        // readable however far the table is scrolled.
        const auto* table = qobject_cast<const CGXTableView*>(option.widget);
        if (table && !table->IsFrozenPart() && (style.horizontal & Qt::AlignLeft) &&
            table->columnSpan(index.row(), index.column()) > 1)
            textRect.setLeft(std::max(textRect.left(), table->FrozenWidth() + 3));
        DrawCellText(*painter, textRect, style);
    }
    painter->setPen(QColor(static_cast<QRgb>(props.gridLineColour)));
    if (props.displayHorzLines)
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    if (props.displayVertLines)
        painter->drawLine(rect.topRight(), rect.bottomRight());
    if (current) {
        QPen pen(QColor(Qt::black), 2);
        pen.setJoinStyle(Qt::MiterJoin);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(1, 1, -1, -1));
    }
    painter->restore();
}

QWidget* CGXItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                       const QModelIndex& index) const
{
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    const CGXStyle style = m_grid->LookupStyle(index.row() + 1, index.column() + 1);
    QFont font = m_grid->ZoomedFont();
    font.setWeight(static_cast<QFont::Weight>(style.fontWeight));
    font.setItalic(style.italic);
    editor->setFont(font);
    editor->setAlignment(style.horizontal | Qt::AlignVCenter);
    auto* view = parent ? qobject_cast<CGXTableView*>(parent->parentWidget()) : nullptr;
    m_grid->EditorOpened(editor, index.row() + 1, index.column() + 1, view);
    return editor;
}

void CGXItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // Only when the editor opens: a redraw of the cell must not overwrite
    // what the user is typing.
    if (editor->property(kInitialised).toBool())
        return;
    editor->setProperty(kInitialised, true);
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setText(m_grid->GetValueRowCol(index.row() + 1, index.column() + 1));
}

void CGXItemDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const
{
    // The grid stores edits itself, through its validation and store call-backs.
}

void CGXItemDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                           const QModelIndex&) const
{
    editor->setGeometry(option.rect.adjusted(2, 2, -2, -2));
}

void CGXItemDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    m_grid->EditorClosed(editor);
    QStyledItemDelegate::destroyEditor(editor, index);
}

bool CGXItemDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (!editor)
        return QStyledItemDelegate::eventFilter(object, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Alt+letter is a mnemonic or a menu, never text: one that nothing
        // took is dropped rather than typed into the cell (Ctrl+Alt is AltGr).
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers();
        if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !key->text().isEmpty())
            return true;
        return m_grid->HandleEditorKey(static_cast<QKeyEvent*>(event));
    }
    case QEvent::ShortcutOverride: {
        // Keys the grid handles while editing must reach it, not a menu shortcut.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::FocusOut:
        return false;  // the edit stays pending until the grid stores it
    default:
        return QObject::eventFilter(object, event);
    }
}
