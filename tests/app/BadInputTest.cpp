// Bad input as a new user gives it: every editable cell of the branch table
// given texts that are not what it wants, pasted junk, and files that are
// not documents. Each gets a message; the document and the files stay.
#include "Session.h"

#include "BranchTableView.h"
#include "ColumnIds.h"
#include "KalvexDoc.h"
#include "OpenDocument.h"
#include "archive/DocumentFile.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QRandomGenerator>

using BadInput = Session;

namespace {

const char* const kBadTexts[] = {"", "abc", "1e999", "nan", "inf", "99999999999999999999", "1.2.3", "--1",
                                 " 12", "12 ", "+5", "0x10", "\u0661\u0662", "\uFF11\uFF12", "\u65E5\u672C",
                                 "1\n2"};

}  // namespace

TEST_F(BadInput, EveryNumericCellRefusesTextThatIsNotANumberInRange)
{
    Command(Cmd::AddBranch);
    CBranchTableView* table = Branches();
    for (ColumnId id = Col::DryBulb; id <= Col::Interval; ++id) {
        for (const char* bad : kBadTexts) {
            warnings.clear();
            std::string before;
            Doc().BranchAt(0).GetColumnText(id, before);
            table->SetCurrentCell(1, id);
            ASSERT_TRUE(table->StartEditing()) << id;
            table->CurrentEditor()->setText(QString::fromUtf8(bad));
            EXPECT_FALSE(table->TransferCurrentCell()) << "column " << id << " took \"" << bad << "\"";
            EXPECT_EQ(warnings.size(), 1) << id << " " << bad;
            table->CancelEditing();
            std::string after;
            Doc().BranchAt(0).GetColumnText(id, after);
            EXPECT_EQ(after, before) << id << " " << bad;
        }
    }
    EXPECT_EQ(Open().undo.count(), 1);  // Add Branch alone: no refused text made a step
}

TEST_F(BadInput, NamesTakeAnyTextAndMinusZeroIsZero)
{
    Command(Cmd::AddBranch);
    CBranchTableView* table = Branches();
    for (const char* text : kBadTexts) {
        table->SetCurrentCell(1, Col::Name);
        ASSERT_TRUE(table->StartEditing());
        table->CurrentEditor()->setText(QString::fromUtf8(text));
        EXPECT_TRUE(table->TransferCurrentCell()) << text;
    }
    table->SetCurrentCell(1, Col::DepthIn);
    ASSERT_TRUE(table->StartEditing());
    table->CurrentEditor()->setText("-0");
    EXPECT_TRUE(table->TransferCurrentCell());
    EXPECT_EQ(Cell(1, Col::DepthIn), "0");

    // A name in another script survives the file (wide strings where the
    // code page cannot hold it).
    Doc().BranchAt(0).name = "\u65E5\u672C \u0633\u0631\u062F";
    const QString path = TempPath("scripts.zt2");
    ASSERT_TRUE(SaveDocumentFile(path.toStdString(), Doc()).ok);
    CKalvexDoc reread;
    ASSERT_TRUE(LoadDocumentFile(path.toStdString(), reread).ok);
    EXPECT_EQ(reread.BranchAt(0).name, Doc().BranchAt(0).name);
}

TEST_F(BadInput, PastedJunkStopsAtTheFirstRefusedCell)
{
    Command(Cmd::AddBranch);
    Command(Cmd::AddBranch);
    Branches()->SetCurrentCell(1, Col::Area);
    EXPECT_FALSE(Branches()->PasteText("20\tnan\n1e999\t\u65E5\r\n"));
    EXPECT_EQ(Doc().BranchAt(0).area, 20.0);
    EXPECT_EQ(Doc().BranchAt(0).perimeter, 14.0);
    EXPECT_EQ(Doc().BranchAt(1).area, 12.0);
    EXPECT_EQ(warnings.size(), 1);
}

TEST_F(BadInput, FilesThatAreNotDocumentsGiveAMessageAndChangeNothing)
{
    const int open = main->Documents().size();
    auto refused = [&](const QString& path) {
        const int before = dialogs.size();
        Expect(Button(QMessageBox::Ok));
        EXPECT_EQ(main->OpenDocument(path), nullptr) << path.toStdString();
        EXPECT_EQ(dialogs.size(), before + 1);
        EXPECT_EQ(main->Documents().size(), open);
    };
    const QString folder = TempPath("a-folder.zt2");
    QDir().mkpath(folder);
    refused(folder);
    refused(TempPath("does-not-exist.zt2"));

    auto write = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    const QString empty = TempPath("empty.zt2");
    write(empty, {});
    refused(empty);

    QByteArray random(4096, '\0');
    QRandomGenerator generator(7);
    for (char& c : random)
        c = static_cast<char>(generator.bounded(256));
    const QString noise = TempPath("noise.zt2");
    write(noise, random);
    refused(noise);

    // A real document cut at every length.
    Command(Cmd::AddBranch);
    Command(Cmd::Execute);
    const std::vector<std::uint8_t> whole = WriteDocumentBytes(Doc());
    const QString cut = TempPath("cut.zt2");
    for (std::size_t length = 0; length < whole.size(); length += 1 + length / 64) {
        write(cut, QByteArray(reinterpret_cast<const char*>(whole.data()), static_cast<qsizetype>(length)));
        refused(cut);
    }
}

TEST_F(BadInput, ASaveThatFailsSaysSoAndKeepsTheDocumentModified)
{
    Command(Cmd::AddBranch);
    Doc().SetPathName("/dev/full");  // a disk with no room left
    Expect(Button(QMessageBox::Ok));
    EXPECT_FALSE(Command(Cmd::FileSave));
    EXPECT_TRUE(Doc().IsModified());

    Expect(File(TempPath("no-such-folder/x.zt2")));
    Expect(Button(QMessageBox::Ok));
    EXPECT_FALSE(Command(Cmd::FileSaveAs));
    EXPECT_TRUE(Doc().IsModified());
    ASSERT_EQ(dialogs.size(), 3);
    EXPECT_TRUE(dialogs[0].startsWith("Dorvan | ")) << dialogs[0].toStdString();
    EXPECT_TRUE(dialogs[2].startsWith("Dorvan | ")) << dialogs[2].toStdString();
}
