// The pages compiled into the program: each loads, each link leads to a
// page (and a place on it) that exists, each topic the program opens is there.
#include "HelpWindow.h"
#include "QStringPrint.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

QString Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList ResourcePages()
{
    InitHelpResources();
    QStringList names = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
    for (QString& name : names)
        name.chop(5);
    return names;
}

QStringList Attributes(const QString& html, const char* attribute)
{
    const QRegularExpression re(QStringLiteral("\\b%1\\s*=\\s*\"([^\"]*)\"").arg(QLatin1String(attribute)),
                                QRegularExpression::CaseInsensitiveOption);
    QStringList values;
    for (auto it = re.globalMatch(html); it.hasNext();)
        values.append(it.next().captured(1));
    return values;
}

}  // namespace

TEST(HelpPages, TheContentsListEveryPageOfTheResourceOnce)
{
    const QStringList pages = ResourcePages();
    ASSERT_FALSE(pages.isEmpty());
    const QStringList topics = HelpTopics();
    EXPECT_EQ(QSet<QString>(topics.begin(), topics.end()), QSet<QString>(pages.begin(), pages.end()));
    EXPECT_EQ(QSet<QString>(topics.begin(), topics.end()).size(), topics.size());
    EXPECT_EQ(topics.first(), QStringLiteral("index"));
}

TEST(HelpPages, EveryPageLoadsWithATitleAndAWayBackToTheContents)
{
    QTextBrowser browser;
    for (const QString& page : ResourcePages()) {
        SCOPED_TRACE(page.toStdString());
        const QString html = Read(QStringLiteral(":/help/") + page + QStringLiteral(".html"));
        browser.setSource(QUrl(QStringLiteral("qrc:/help/") + page + QStringLiteral(".html")));
        EXPECT_GT(browser.toPlainText().size(), 200);
        EXPECT_FALSE(CHelpWindow::Instance()->TopicTitle(page).isEmpty());
        EXPECT_TRUE(html.contains(QStringLiteral("</html>")));
        // No replacement characters: the page was read as the UTF-8 it is.
        EXPECT_FALSE(browser.toPlainText().contains(QChar(0xFFFD)));
        if (page != QStringLiteral("index")) {
            EXPECT_TRUE(Attributes(html, "href").contains(QStringLiteral("index.html")));
        }
    }
}

TEST(HelpPages, EveryLinkLeadsToAPageAndAPlaceThatExist)
{
    int links = 0;
    for (const QString& page : ResourcePages()) {
        const QString html = Read(QStringLiteral(":/help/") + page + QStringLiteral(".html"));
        for (const QString& href : Attributes(html, "href") + Attributes(html, "src")) {
            SCOPED_TRACE((page + QStringLiteral(": ") + href).toStdString());
            ++links;
            EXPECT_FALSE(href.contains(QLatin1Char(':'))) << "only relative links";
            const QString file = href.section(QLatin1Char('#'), 0, 0);
            const QString place = href.section(QLatin1Char('#'), 1);
            const QString target = file.isEmpty() ? page + QStringLiteral(".html") : file;
            // A picture is in the resources beside the pages.
            if (target.endsWith(QStringLiteral(".png"))) {
                EXPECT_FALSE(QImage(QStringLiteral(":/help/") + target).isNull());
                continue;
            }
            ASSERT_TRUE(target.endsWith(QStringLiteral(".html")));
            const QString targetHtml = Read(QStringLiteral(":/help/") + target);
            ASSERT_FALSE(targetHtml.isEmpty());
            if (!place.isEmpty()) {
                EXPECT_TRUE(Attributes(targetHtml, "name").contains(place) ||
                            Attributes(targetHtml, "id").contains(place));
            }
        }
    }
    EXPECT_GT(links, 100);
}

TEST(HelpPages, EveryTopicTheProgramOpensExists)
{
    const QStringList asked = {
        "index", "using-help", "getting-started", "branch-table", "results-table", "graph", "air-source-table",
        "heat-source-table", "branch-properties", "heat-sources", "fan-regulator", "air-sources", "worker",
        "select-branch", "data-errors", "columns", "page-setup", "table-properties", "graph-properties",
        "print-branch-form", "calculation", "file-format", "command-line", "keyboard", "troubleshooting"};
    const QStringList pages = ResourcePages();
    for (const QString& topic : asked) {
        EXPECT_TRUE(pages.contains(topic)) << topic.toStdString();
        EXPECT_EQ(CHelpWindow::Instance()->ShowTopic(topic), topic);
    }
    EXPECT_EQ(CHelpWindow::Instance()->ShowTopic(QStringLiteral("page-setup#graph")), QStringLiteral("page-setup"));
    EXPECT_EQ(CHelpWindow::Instance()->ShowTopic(QStringLiteral("graph#export")), QStringLiteral("graph"));
}
