// The parameter object: what the grid keeps in it, sharing it between two
// grids kept in step by hints through a document, and the display
// properties dialog with the user's defaults.
#include "DemoFixture.h"
#include "GXDisplayPropertiesDialog.h"
#include "GXGridHint.h"
#include "KalvexDoc.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QTableView>

namespace {

QCheckBox* CheckBox(QWidget* dialog, const QString& text)
{
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
        if (box->text() == text)
            return box;
    return nullptr;
}

// Toggles a check box, as a click on it would.
void Tick(QWidget* dialog, const QString& text)
{
    QCheckBox* box = CheckBox(dialog, text);
    if (box)
        box->click();
}

QPushButton* Button(QWidget* dialog, const QString& text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

}  // namespace

TEST_F(DemoTableTest, UserResizingAColumnIsKeptInTheParameterObject)
{
    QHeaderView* header = table->TableView()->horizontalHeader();
    const int before = header->sectionSize(1);
    const int edge = header->sectionViewportPosition(1) + before - 1;
    const int y = header->height() / 2;
    Drag(header->viewport(), QPoint(edge, y), header->viewport(), QPoint(edge + 40, y));
    EXPECT_EQ(header->sectionSize(1), before + 40);
    EXPECT_EQ(param->columnWidths[2], before + 40);

    // At 200 % a resize is stored at its 100 % size.
    table->SetZoom(200);
    const int zoomed = header->sectionSize(1);
    EXPECT_EQ(zoomed, 2 * (before + 40));
    const int edge2 = header->sectionViewportPosition(1) + zoomed - 1;
    Drag(header->viewport(), QPoint(edge2, y), header->viewport(), QPoint(edge2 + 20, y));
    EXPECT_EQ(param->columnWidths[2], before + 50);

    // Row heights may not be dragged in the demo (as in the program's tables).
    EXPECT_FALSE(param->allowRowResize);
    EXPECT_EQ(table->TableView()->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
}

TEST_F(DemoTableTest, AGridAttachedLaterShowsTheSavedLayout)
{
    table->SetColWidth(3, 123);
    table->SetFrozenCols(2);
    table->SetZoom(121);
    param->properties.displayVertLines = false;
    table.reset();  // the view closes; the document keeps the parameter object

    EXPECT_EQ(param->columnWidths[3], 123);
    EXPECT_EQ(param->frozenCols, 2);
    EXPECT_EQ(param->zoom, 121);
    table = std::make_unique<CDemoTable>(data, param.get());
    table->InitialUpdate(false);
    ShowGrid(*table);
    EXPECT_EQ(table->GetColWidth(3), 123);
    EXPECT_EQ(table->TableView()->columnWidth(2), (123 * 121 + 50) / 100);
    EXPECT_EQ(table->GetFrozenCols(), 2);
    EXPECT_TRUE(table->FrozenView()->isVisible());
    EXPECT_EQ(table->GetZoom(), 121);
    EXPECT_FALSE(table->GetParam()->properties.displayVertLines);
    EXPECT_FALSE(param->allowMultipleRanges);  // the options of the new object stay
}

TEST(GridParam, GridWithoutParameterObjectMakesItsOwn)
{
    CGXGridView grid;
    ASSERT_NE(grid.GetParam(), nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(2);
    EXPECT_EQ(grid.GetValueRowCol(0, 3), QString("C"));  // numbered headers by default
    EXPECT_EQ(grid.GetValueRowCol(2, 0), QString("2"));
    EXPECT_EQ(grid.GetValueRowCol(1, 1), QString());
    grid.SetNumberedHeaders(false, false);
    EXPECT_EQ(grid.GetValueRowCol(0, 3), QString());
    CGXGridParam external;
    external.columnWidths[1] = 77;
    grid.AttachParam(&external);
    EXPECT_EQ(grid.GetParam(), &external);
    EXPECT_EQ(grid.GetColWidth(1), 77);
    grid.AttachParam(grid.GetParam());  // attaching again changes nothing
    EXPECT_EQ(grid.GetParam(), &external);
}

TEST(GridParam, TwoViewsOnOneParameterObjectStayInStep)
{
    CKalvexDoc doc;
    CDemoData data = MakeDemoData(4);
    auto param = CGXGridView::CreateParam();
    CDemoTable first(data, param.get(), &doc);
    CDemoTable second(data, param.get(), &doc);
    first.InitialUpdate(true);
    second.InitialUpdate(false);
    ShowGrid(second);
    ShowGrid(first);  // the user works in the first

    int hints = 0;
    QObject::connect(&first, &CGXGridView::gridHint, [&hints](CGXGridHint* hint) {
        ++hints;
        EXPECT_NE(hint, nullptr);
    });
    first.SetColWidth(2, 150);
    EXPECT_EQ(hints, 1);
    EXPECT_EQ(second.TableView()->columnWidth(1), 150);
    first.SetFrozenCols(1);
    EXPECT_TRUE(second.FrozenView()->isVisible());
    first.SetZoom(110);
    EXPECT_EQ(second.TableView()->columnWidth(1), 165);

    // An edit in one view shows in the other; the grid keeps no run-time
    // state in the parameter object.
    ASSERT_TRUE(first.SetCurrentCell(1, 4));
    ClickCell(first, 1, 4);
    TypeKeys(first, "shared");
    PressKey(first, Qt::Key_Return);
    EXPECT_EQ(second.GetValueRowCol(1, 4), QString("shared"));
    EXPECT_EQ(param->runtime, nullptr);

    // A moved row takes its height along in the other view too.
    first.SetRowHeight(1, 44);
    ASSERT_TRUE(first.MoveRows(1, 1, 2));
    EXPECT_EQ(second.GetValueRowCol(2, 4), QString("shared"));
    EXPECT_EQ(second.TableView()->rowHeight(1), first.TableView()->rowHeight(1));
    EXPECT_GT(second.TableView()->rowHeight(1), second.TableView()->rowHeight(0));

    // A hint about another parameter object is ignored.
    CGXGridParam other;
    other.columnWidths[2] = 20;
    CGXGridHint stray(CGXGridHint::Kind::Layout, &other, nullptr);
    second.ProcessHint(stray);
    EXPECT_EQ(second.TableView()->columnWidth(1), 165);
}

TEST_F(DemoTableTest, DisplayPropertiesDialogEditsAndSavesDefaults)
{
    const auto previousChooser = CGXDisplayPropertiesDialog::SetColourChooser(
        [](const QColor&, QWidget*) { return QColor(0x12, 0x34, 0x56); });
    param->properties.landscape = 1;
    {
        // Answered as a user would: the changes, then OK.
        ModalAnswer answer([](QDialog& dialog) {
            EXPECT_NE(qobject_cast<CGXDisplayPropertiesDialog*>(&dialog), nullptr);
            Tick(&dialog, "&Vertical lines");
            Tick(&dialog, "&Row headers");
            Button(&dialog, "&Line colour...")->click();
            Tick(&dialog, "&Save as default");
            Button(&dialog, "OK")->click();
            return dialog.result();
        });
        ASSERT_TRUE(table->EditDisplayProperties());
        EXPECT_EQ(answer.dialogs, 1);
        EXPECT_FALSE(answer.sawVisibleDialog);
    }
    CGXDisplayPropertiesDialog::SetColourChooser(previousChooser);
    EXPECT_FALSE(param->properties.displayVertLines);
    EXPECT_FALSE(param->properties.displayRowHeaders);
    EXPECT_EQ(param->properties.gridLineColour, 0x123456u);
    EXPECT_EQ(param->properties.landscape, 1);  // not the dialog's business
    EXPECT_TRUE(param->properties.displayHorzLines);
    EXPECT_FALSE(table->TableView()->verticalHeader()->isVisible());

    // New grids start from the saved defaults; print settings are not defaults.
    auto fresh = CGXGridView::CreateParam();
    EXPECT_FALSE(fresh->properties.displayVertLines);
    EXPECT_FALSE(fresh->properties.displayRowHeaders);
    EXPECT_EQ(fresh->properties.gridLineColour, 0x123456u);
    EXPECT_EQ(fresh->properties.landscape, 0);
    EXPECT_EQ(fresh->properties.marginLeft, 96);

    // Cancel changes nothing.
    {
        ModalAnswer answer([](QDialog& dialog) {
            Tick(&dialog, "&Horizontal lines");
            Button(&dialog, "Cancel")->click();
            return dialog.result();
        });
        EXPECT_FALSE(table->EditDisplayProperties());
        EXPECT_TRUE(param->properties.displayHorzLines);
    }

    // A hook that just answers Accepted gets what the controls show; the
    // default colour chooser is a modal dialog of its own.
    {
        ModalAnswer answer([](QDialog& dialog) {
            if (auto* colours = qobject_cast<QColorDialog*>(&dialog)) {
                colours->setCurrentColor(QColor(0x65, 0x43, 0x21));
                return static_cast<int>(QDialog::Accepted);
            }
            Tick(&dialog, "&Horizontal lines");
            Button(&dialog, "Header &background...")->click();
            return static_cast<int>(QDialog::Accepted);
        });
        EXPECT_TRUE(table->EditDisplayProperties());
        EXPECT_EQ(answer.dialogs, 2);
        EXPECT_FALSE(param->properties.displayHorzLines);
        EXPECT_EQ(param->properties.headerColour, 0x654321u);
        EXPECT_FALSE(param->properties.displayVertLines);  // as saved before
    }

    // Back to the built-in defaults for the other tests.
    CGXGridView::SaveDefaultProperties(CGXProperties());
    EXPECT_TRUE(CGXGridView::CreateParam()->properties.displayVertLines);
}

TEST_F(DemoTableTest, DamagedParameterObjectStillShowsAndPrints)
{
    // What a damaged or hand-made file could hold.
    param->zoom = 0;
    param->frozenCols = -3;
    param->columnWidths[1] = -50;
    param->columnWidths[2] = 2000000000;
    param->rowHeights[2] = 0;
    param->properties.marginLeft = -1000;
    param->properties.marginTop = 2000000000;
    table->RefreshFromParam();
    QApplication::processEvents();
    EXPECT_EQ(table->GetZoom(), 10);
    EXPECT_EQ(table->GetFrozenCols(), 0);
    EXPECT_GE(table->TableView()->columnWidth(0), 1);
    EXPECT_GE(table->TableView()->rowHeight(1), 1);
    EXPECT_LE(table->TableView()->columnWidth(1), 20000);
    table->SetZoom(100);
    ClickCell(*table, 1, 1);
    EXPECT_FALSE(table->grab().isNull());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(OutputPath("damaged.pdf"));
    EXPECT_GT(table->PrintTo(printer), 0);
    // Cells outside the grid are never asked of the owner.
    EXPECT_EQ(table->GetValueRowCol(99, 1), QString());
    EXPECT_EQ(table->GetValueRowCol(1, 99), QString());
    EXPECT_EQ(table->GetValueRowCol(-1, 1), QString());
}
