#pragma once
// The help of the windowed program: HTML pages compiled in as the resource
// folder :/help, shown in one help window with an index of topics and a
// search over the pages. A topic is a page name without ".html", such as
// "branch-table"; "page-setup#graph" names a place on a page.
#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QUrl;

// Opens (or raises) the one help window of the program at a topic; an
// unknown topic opens the contents page. With a parent the window stays
// above the parent's window and usable while that window is modal; when
// that window hides, the help window carries on as a window of its own.
void ShowHelp(const QString& topic, QWidget* parent = nullptr);

// Makes the pages of the static library available; ShowHelp and the help
// window call it themselves.
void InitHelpResources();

// The page names of the contents, in the order the index lists them.
QStringList HelpTopics();

// The help window itself: a top-level tool window, never modal.
class CHelpWindow : public QWidget {
    Q_OBJECT

public:
    // The one window, made (hidden) on the first call.
    static CHelpWindow* Instance();
    // The window when it exists, without making it.
    static CHelpWindow* Existing();

    QTextBrowser* Browser() const { return m_browser; }
    QLineEdit* SearchField() const { return m_search; }
    QListWidget* TopicList() const { return m_topics; }

    // Shows the topic's page ("name" or "name#place"); an unknown name shows
    // the contents. Returns the page name shown.
    QString ShowTopic(const QString& topic);
    // The page name of the page on show.
    QString CurrentTopic() const;
    QStringList Topics() const { return HelpTopics(); }
    // The page names whose text holds every word of words (any case), in
    // contents order; all pages for no words.
    QStringList Search(const QString& words) const;
    // The title of a page, from its <title>.
    QString TopicTitle(const QString& topic) const;

    // Moves the window above host's window (or makes it a window of its own
    // for nullptr), keeping it on screen when it was.
    void AttachTo(QWidget* host);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CHelpWindow();
    void FillTopicList(const QStringList& topics);
    void OnSourceChanged(const QUrl& url);
    const QString& PlainText(const QString& topic) const;

    static QPointer<CHelpWindow> s_instance;
    QTextBrowser* m_browser;
    QLineEdit* m_search;
    QListWidget* m_topics;
    QPointer<QWidget> m_host;
    mutable QHash<QString, QString> m_plainTexts;
};
