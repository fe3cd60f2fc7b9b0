// Never losing work: a run killed after an edit leaves a recovery copy that
// the next start offers back.
#include "Session.h"

#include "KalvexDoc.h"
#include "archive/DocumentFile.h"
#include "OpenDocument.h"
#include "RecoveryCopies.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>

namespace {

class Recovery : public Session {
protected:
    void SetUp() override
    {
        Session::SetUp();
        for (const CRecoveryCopy& copy : CRecoveryCopies::LeftOver())
            CRecoveryCopies::Discard(copy);
        // A folder of each test's own: the tests may run side by side.
        const QString folder =
            TempPath(QString::fromUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        QDir().mkpath(folder);
        document = QDir(folder).filePath(QStringLiteral("recovered.zt2"));
        QFile::remove(document);
        ASSERT_TRUE(QFile::copy(QStringLiteral(EXAMPLES_DIR "/haulage-drift.zt2"), document));
    }

    // Runs the program that is killed after its edit.
    void Crash()
    {
        QProcess child;
        child.start(QStringLiteral(RECOVERY_CHILD), {document});
        ASSERT_TRUE(child.waitForFinished(30000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardError().toStdString();
    }

    QString document;
};

}  // namespace

TEST_F(Recovery, TheNextStartOffersTheEditBack)
{
    Crash();
    const QList<CRecoveryCopy> copies = CRecoveryCopies::LeftOver();
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(copies[0].title, "recovered.zt2");

    Expect(Button(QMessageBox::Yes));
    main->OfferRecoveryCopies();
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_TRUE(dialogs[0].contains("recovered.zt2")) << dialogs[0].toStdString();
    EXPECT_EQ(Doc().BranchAt(0).name, "Changed before the crash");
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(QString::fromStdString(Doc().PathName()), document);
    EXPECT_TRUE(CRecoveryCopies::LeftOver().isEmpty());

    // The file on disk still holds what was last saved.
    CKalvexDoc onDisk;
    ASSERT_TRUE(LoadDocumentFile(document.toStdString(), onDisk).ok);
    EXPECT_NE(onDisk.BranchAt(0).name, "Changed before the crash");
}

TEST_F(Recovery, DecliningRemovesTheCopy)
{
    Crash();
    ASSERT_EQ(CRecoveryCopies::LeftOver().size(), 1);
    Expect(Button(QMessageBox::No));
    main->OfferRecoveryCopies();
    EXPECT_TRUE(CRecoveryCopies::LeftOver().isEmpty());
    EXPECT_EQ(main->Documents().size(), 1);  // only the session's own new document
}

TEST_F(Recovery, CopiesOfModifiedDocumentsOnlyAndGoneOnceSaved)
{
    const QDir root(CRecoveryCopies::Root());
    auto copiesNow = [&root] {
        int n = 0;
        for (const QString& run : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            n += QDir(root.filePath(run)).entryList({QStringLiteral("*.zt2")}, QDir::Files).size();
        return n;
    };
    main->Recovery().WriteCopies();
    EXPECT_EQ(copiesNow(), 0);
    Command(Cmd::AddBranch);
    main->Recovery().WriteCopies();
    EXPECT_EQ(copiesNow(), 1);
    // Written again only after another change.
    const QFileInfo copy = [&root] {
        for (const QString& run : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QFileInfo& file : QDir(root.filePath(run)).entryInfoList({QStringLiteral("*.zt2")}))
                return file;
        return QFileInfo();
    }();
    QFile::remove(copy.filePath());
    main->Recovery().WriteCopies();
    EXPECT_FALSE(QFile::exists(copy.filePath()));
    Command(Cmd::AddBranch);
    main->Recovery().WriteCopies();
    EXPECT_TRUE(QFile::exists(copy.filePath()));
    EXPECT_TRUE(CRecoveryCopies::LeftOver().isEmpty());  // this run is alive: not offered

    const QString path = TempPath("saved-then.zt2");
    QFile::remove(path);
    Expect(File(path));
    Command(Cmd::FileSaveAs);
    EXPECT_EQ(copiesNow(), 0);
}

// Copies are offered oldest first, so that of several restored windows the
// newest work ends up in front, and the order does not follow folder names.
TEST_F(Recovery, LeftOverCopiesComeOldestFirst)
{
    const QDateTime day(QDate(2026, 12, 1), QTime(9, 0));
    const std::pair<QString, int> runs[] = {{"a-run", 2}, {"b-run", 0}, {"c-run", 1}};
    for (const auto& [run, days] : runs) {
        const QDir folder(QDir(CRecoveryCopies::Root()).filePath(run));
        ASSERT_TRUE(QDir().mkpath(folder.path()));
        const QString copy = folder.filePath(QStringLiteral("copy.zt2"));
        ASSERT_TRUE(QFile::copy(document, copy));
        QSettings info(copy + QStringLiteral(".info"), QSettings::IniFormat);
        info.setValue(QStringLiteral("title"), run);
        info.setValue(QStringLiteral("written"), day.addDays(days));
    }
    const QList<CRecoveryCopy> copies = CRecoveryCopies::LeftOver();
    ASSERT_EQ(copies.size(), 3);
    EXPECT_EQ(copies[0].title, "b-run");
    EXPECT_EQ(copies[1].title, "c-run");
    EXPECT_EQ(copies[2].title, "a-run");
    for (const CRecoveryCopy& copy : copies)
        CRecoveryCopies::Discard(copy);
    EXPECT_TRUE(CRecoveryCopies::LeftOver().isEmpty());
}
