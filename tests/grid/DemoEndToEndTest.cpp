// The demo table used from end to end, as a user of the program would:
// edit, a refused edit, moves, copy and paste by the window's shortcuts,
// printing, and a second view of the same document following along.
#include "DemoFixture.h"
#include "KalvexDoc.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QTableView>

namespace {

QString PdfToText(const QString& path)
{
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QPoint ColumnBoundaryAfter(const CGXGridView& grid, int col)
{
    QHeaderView* header = grid.TableView()->horizontalHeader();
    return {header->sectionViewportPosition(col - 1) + header->sectionSize(col - 1) - 2, header->height() / 2};
}

}  // namespace

TEST(DemoEndToEnd, EditRefuseMoveCopyPastePrint)
{
    FeedbackCatcher feedback;
    CKalvexDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    doc.branchGridParam = CGXGridView::CreateParam();
    CDemoData data = MakeDemoData(6);
    CDemoTable table(data, doc.branchGridParam.get(), &doc);
    CDemoTable other(data, doc.branchGridParam.get(), &doc);
    // Copy and Paste are the window's commands, with their shortcuts.
    auto* copy = new QAction("Copy", &table);
    copy->setShortcut(QKeySequence::Copy);
    QObject::connect(copy, &QAction::triggered, &table, [&table] { table.Copy(); });
    auto* paste = new QAction("Paste", &table);
    paste->setShortcut(QKeySequence::Paste);
    QObject::connect(paste, &QAction::triggered, &table, [&table] { table.Paste(); });
    table.addAction(copy);
    table.addAction(paste);
    table.InitialUpdate(true);
    other.InitialUpdate(false);
    ShowGrid(other);
    ShowGrid(table);

    // Edit: the record takes the value; the document is modified.
    ClickCell(table, 2, CDemoTable::kHeat);
    TypeKeys(table, "250");
    PressKey(table, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(data.records[1].heat, 250.0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(other.GetValueRowCol(2, CDemoTable::kHeat), QString("250.00"));

    // Refuse: a negative heat keeps the editor open with its text.
    ClickCell(table, 3, CDemoTable::kHeat);
    TypeKeys(table, "-5");
    PressKey(table, Qt::Key_Down);
    ASSERT_TRUE(table.IsEditing());
    EXPECT_EQ(table.CurrentEditor()->text(), QString("-5"));
    EXPECT_EQ(feedback.warnings, QStringList{"Please enter a number from 0 to 1000.00"});
    PressKey(table, Qt::Key_Escape);
    EXPECT_DOUBLE_EQ(data.records[2].heat, 30.0);

    // Move the Name column behind Note by its header; the owner's undo puts
    // it back.
    ClickColumnHeader(table, 1);
    QWidget* header = table.TableView()->horizontalHeader()->viewport();
    Drag(header, ColumnHeaderCenter(table, 1), header, ColumnBoundaryAfter(table, 4));
    EXPECT_EQ(data.columns, (std::vector<int>{0, 2, 3, 4, 1}));
    EXPECT_EQ(table.GetValueRowCol(0, 4), QString("Name"));
    ASSERT_TRUE(table.MoveCols(4, 4, 1));
    EXPECT_EQ(data.columns, (std::vector<int>{0, 1, 2, 3, 4}));

    // Copy rows 1-2 and paste them over rows 5-6.
    ClickRowHeader(table, 1);
    ClickRowHeader(table, 2, Qt::ShiftModifier);
    PressKey(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("P1\t10.00\t"));
    ClickCell(table, 5, 1);
    table.log.clear();
    PressKey(table, Qt::Key_V, Qt::ControlModifier);
    ASSERT_FALSE(table.log.isEmpty());
    EXPECT_EQ(table.log.first(), QString("begin"));
    EXPECT_EQ(table.log.last(), QString("end"));
    EXPECT_EQ(data.records[4].name, "P1");
    EXPECT_DOUBLE_EQ(data.records[5].heat, 250.0);
    EXPECT_EQ(data.records[5].note, "n2");

    // The other view shows a units change at its next repaint.
    const int twoLines = other.TableView()->horizontalHeader()->height();
    data.showUnits = false;
    other.update();
    other.TableView()->viewport()->repaint();
    QApplication::processEvents();
    EXPECT_LT(other.TableView()->horizontalHeader()->height(), twoLines);
    data.showUnits = true;

    // Print: the pasted records are on the page.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = OutputPath("demo_end_to_end.pdf");
    printer.setOutputFileName(pdf);
    ASSERT_EQ(table.PrintTo(printer), 1);
    const QString text = PdfToText(pdf);
    EXPECT_TRUE(text.contains("250.00"));
    EXPECT_TRUE(text.contains("Heat"));
    EXPECT_EQ(text.count("P1 "), 2);
}
