// The help window: one window, at the topic asked for, never modal, with an
// index that follows the page and a search over the pages.
#include "HelpWindow.h"
#include "QStringPrint.h"

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>

#include <gtest/gtest.h>

TEST(HelpWindow, ShowHelpOpensOneWindowAtTheTopic)
{
    ShowHelp(QStringLiteral("results-table"));
    CHelpWindow* window = CHelpWindow::Existing();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(window->CurrentTopic(), QStringLiteral("results-table"));
    EXPECT_TRUE(window->Browser()->toPlainText().contains(QStringLiteral("Strata QL")));
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral("Results table")));

    ShowHelp(QStringLiteral("columns"));
    EXPECT_EQ(CHelpWindow::Existing(), window);
    EXPECT_EQ(window->CurrentTopic(), QStringLiteral("columns"));
}

TEST(HelpWindow, AnUnknownTopicOpensTheContents)
{
    ShowHelp(QStringLiteral("graph"));
    ShowHelp(QStringLiteral("no-such-page"));
    EXPECT_EQ(CHelpWindow::Instance()->CurrentTopic(), QStringLiteral("index"));
    ShowHelp(QStringLiteral("../help/graph"));
    EXPECT_EQ(CHelpWindow::Instance()->CurrentTopic(), QStringLiteral("index"));
    ShowHelp(QString());
    EXPECT_EQ(CHelpWindow::Instance()->CurrentTopic(), QStringLiteral("index"));
}

TEST(HelpWindow, APlaceOnAPageIsKeptInTheAddress)
{
    ShowHelp(QStringLiteral("page-setup#graph"));
    EXPECT_EQ(CHelpWindow::Instance()->CurrentTopic(), QStringLiteral("page-setup"));
    EXPECT_EQ(CHelpWindow::Instance()->Browser()->source().fragment(), QStringLiteral("graph"));
}

TEST(HelpWindow, TheIndexFollowsTheLinksAndOpensWhatIsChosen)
{
    CHelpWindow* window = CHelpWindow::Instance();
    window->ShowTopic(QStringLiteral("index"));
    QListWidget* list = window->TopicList();
    ASSERT_EQ(list->count(), window->Topics().size());
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("Contents"));

    window->Browser()->setSource(QUrl(QStringLiteral("worker.html")));  // a link, relative
    EXPECT_EQ(window->CurrentTopic(), QStringLiteral("worker"));
    EXPECT_EQ(list->currentItem()->data(Qt::UserRole).toString(), QStringLiteral("worker"));

    list->setCurrentRow(window->Topics().indexOf(QStringLiteral("keyboard")));
    EXPECT_EQ(window->CurrentTopic(), QStringLiteral("keyboard"));
}

TEST(HelpWindow, SearchFindsThePagesHoldingEveryWord)
{
    const CHelpWindow* window = CHelpWindow::Instance();
    // Only the graph page names the plot by its row label as the dialog spells it.
    EXPECT_EQ(window->Search(QStringLiteral("Sigms")), QStringList{QStringLiteral("graph")});
    EXPECT_EQ(window->Search(QStringLiteral("STOCKINGS ensemble")), QStringList{QStringLiteral("worker")});
    EXPECT_TRUE(window->Search(QStringLiteral("Sigms stockings")).isEmpty());
    EXPECT_EQ(window->Search(QStringLiteral("  ")), window->Topics());
    // Words inside markup are not text.
    EXPECT_TRUE(window->Search(QStringLiteral("href")).isEmpty());
    const QStringList cli = window->Search(QStringLiteral("dorvan-cli"));
    EXPECT_TRUE(cli.contains(QStringLiteral("command-line")));
    EXPECT_FALSE(cli.contains(QStringLiteral("columns")));
}

TEST(HelpWindow, TheSearchFieldListsTheFoundPages)
{
    CHelpWindow* window = CHelpWindow::Instance();
    window->SearchField()->setText(QStringLiteral("ensemble"));
    ASSERT_EQ(window->TopicList()->count(), 1);
    emit window->SearchField()->returnPressed();
    EXPECT_EQ(window->CurrentTopic(), QStringLiteral("worker"));
    EXPECT_TRUE(window->Browser()->textCursor().hasSelection());  // the word is marked
    window->SearchField()->clear();
    EXPECT_EQ(window->TopicList()->count(), window->Topics().size());
}

TEST(HelpWindow, OpenedFromADialogItStaysAboveItAndOutlivesIt)
{
    auto* dialog = new QDialog;
    auto* button = new QPushButton(QStringLiteral("Help"), dialog);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    ShowHelp(QStringLiteral("columns"), button);
    CHelpWindow* window = CHelpWindow::Existing();
    EXPECT_EQ(window->parentWidget(), dialog);
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->isVisible());

    dialog->hide();  // as a dialog does when it closes
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_TRUE(window->isVisible());
    delete dialog;
    EXPECT_EQ(CHelpWindow::Existing(), window);
    EXPECT_EQ(window->CurrentTopic(), QStringLiteral("columns"));
}
