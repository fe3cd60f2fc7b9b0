// Printing a table to PDF, and pictures of the windows for a person to
// look at.
#include "Session.h"

#include "BranchTableView.h"
#include "KalvexDoc.h"
#include "KalvexFrm.h"

#include <QFile>
#include <QMdiArea>
#include <QPrintDialog>
#include <QPrinter>

using PrintAndLook = Session;

TEST_F(PrintAndLook, PrintedPagesCarryTheCaptionAndTheChosenOrientation)
{
    for (int i = 0; i < 3; ++i)
        Command(Cmd::AddBranch);
    const QString pdf = OutputPath("branch-table.pdf");
    QFile::remove(pdf);
    Expect([&pdf](QDialog& dialog) {
        auto& print = dynamic_cast<QPrintDialog&>(dialog);
        print.printer()->setOutputFormat(QPrinter::PdfFormat);
        print.printer()->setOutputFileName(pdf);
        print.printer()->setPageOrientation(QPageLayout::Landscape);
        return int(QDialog::Accepted);
    });
    Doc().SetModifiedFlag(false);
    Press(Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(pdf));
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains("Untitled - Branch Table")) << text.toStdString();
    EXPECT_TRUE(text.contains("Dry Bulb"));
    EXPECT_EQ(Doc().branchGridParam->properties.landscape, 1);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(PrintAndLook, GrabsOfTheWindows)
{
    for (int i = 0; i < 4; ++i)
        Command(Cmd::AddBranch);
    GoTo(2, 1);
    Command(Cmd::Execute);
    Command(Cmd::ViewResultsTable);
    Command(Cmd::ViewGraphs);
    main->MdiArea()->tileSubWindows();
    Settle();
    const QImage picture = main->grab().toImage();
    EXPECT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(OutputPath("main-window.png")));
    for (CKalvexFrm* frame : main->Frames())
        EXPECT_TRUE(frame->grab().save(OutputPath(QStringLiteral("view-%1.png").arg(int(frame->Kind())))));
}
