#include "HelpWindow.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

namespace {

const char* const kFolder = ":/help/";

QString PagePath(const QString& name)
{
    return QString::fromLatin1(kFolder) + name + QStringLiteral(".html");
}

bool PageExists(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && QFile::exists(PagePath(name));
}

QString ReadResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

// Outside any namespace, as the resource's initialiser requires.
void InitHelpResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)done;
}

QStringList HelpTopics()
{
    return {QStringLiteral("index"),
            QStringLiteral("using-help"),
            QStringLiteral("getting-started"),
            QStringLiteral("branch-table"),
            QStringLiteral("results-table"),
            QStringLiteral("graph"),
            QStringLiteral("air-source-table"),
            QStringLiteral("heat-source-table"),
            QStringLiteral("branch-properties"),
            QStringLiteral("heat-sources"),
            QStringLiteral("fan-regulator"),
            QStringLiteral("air-sources"),
            QStringLiteral("worker"),
            QStringLiteral("design-answers"),
            QStringLiteral("heat-stress"),
            QStringLiteral("select-branch"),
            QStringLiteral("data-errors"),
            QStringLiteral("columns"),
            QStringLiteral("page-setup"),
            QStringLiteral("table-properties"),
            QStringLiteral("graph-properties"),
            QStringLiteral("print-branch-form"),
            QStringLiteral("calculation"),
            QStringLiteral("file-format"),
            QStringLiteral("command-line"),
            QStringLiteral("keyboard"),
            QStringLiteral("troubleshooting")};
}

void ShowHelp(const QString& topic, QWidget* parent)
{
    CHelpWindow* window = CHelpWindow::Instance();
    if (parent)
        window->AttachTo(parent);
    window->ShowTopic(topic);
    window->show();
    window->raise();
    window->activateWindow();
}

QPointer<CHelpWindow> CHelpWindow::s_instance;

CHelpWindow* CHelpWindow::Instance()
{
    if (!s_instance) {
        InitHelpResources();
        s_instance = new CHelpWindow;
        // A window of its own is no child of the main window: it goes when
        // the program ends.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, s_instance.data(), [] { delete s_instance; });
    }
    return s_instance;
}

CHelpWindow* CHelpWindow::Existing()
{
    return s_instance;
}

CHelpWindow::CHelpWindow()
    : QWidget(nullptr, Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                           Qt::WindowCloseButtonHint),
      m_browser(new QTextBrowser(this)),
      m_search(new QLineEdit(this)),
      m_topics(new QListWidget(this))
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Kalvex for Windows Help"));
    setAttribute(Qt::WA_QuitOnClose, false);

    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(false);
    m_browser->document()->setDefaultStyleSheet(ReadResource(QStringLiteral(":/help/help.css")));
    m_search->setObjectName(QStringLiteral("helpSearch"));
    m_search->setPlaceholderText(QStringLiteral("Words to find"));
    m_search->setClearButtonEnabled(true);
    m_topics->setObjectName(QStringLiteral("helpTopics"));

    auto* searchLabel = new QLabel(QStringLiteral("&Search:"), this);
    searchLabel->setBuddy(m_search);
    auto* topicsLabel = new QLabel(QStringLiteral("&Topics:"), this);
    topicsLabel->setBuddy(m_topics);

    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(searchLabel);
    sideLayout->addWidget(m_search);
    sideLayout->addWidget(topicsLabel);
    sideLayout->addWidget(m_topics, 1);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(side);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 600});

    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(QStringLiteral("index")); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &CHelpWindow::OnSourceChanged);
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) { FillTopicList(Search(text)); });
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (m_topics->count() > 0)
            m_topics->setCurrentRow(0);
    });
    connect(m_topics, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (!item || item->data(Qt::UserRole).toString() == CurrentTopic())
            return;
        ShowTopic(item->data(Qt::UserRole).toString());
        // Take the reader to the first word looked for.
        const QStringList words = m_search->text().split(QRegularExpression(QStringLiteral("\\s+")),
                                                         Qt::SkipEmptyParts);
        if (!words.isEmpty())
            m_browser->find(words.first());
    });

    FillTopicList(HelpTopics());
    resize(860, 620);
    ShowTopic(QStringLiteral("index"));
}

QString CHelpWindow::ShowTopic(const QString& topic)
{
    QString name = topic.section(QLatin1Char('#'), 0, 0);
    QString place = topic.section(QLatin1Char('#'), 1);
    if (!PageExists(name)) {
        name = QStringLiteral("index");
        place.clear();
    }
    QUrl url(QStringLiteral("qrc") + PagePath(name));
    if (!place.isEmpty())
        url.setFragment(place);
    m_browser->setSource(url);
    return name;
}

QString CHelpWindow::CurrentTopic() const
{
    return QFileInfo(m_browser->source().path()).completeBaseName();
}

QStringList CHelpWindow::Search(const QString& words) const
{
    const QStringList wanted = words.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QStringList found;
    for (const QString& topic : HelpTopics()) {
        const QString& text = PlainText(topic);
        bool all = true;
        for (const QString& word : wanted)
            all = all && text.contains(word, Qt::CaseInsensitive);
        if (all)
            found.append(topic);
    }
    return found;
}

QString CHelpWindow::TopicTitle(const QString& topic) const
{
    static const QRegularExpression title(QStringLiteral("<title>(.*)</title>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::InvertedGreedinessOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = title.match(ReadResource(PagePath(topic)));
    if (!match.hasMatch())
        return topic;
    return QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText().simplified();
}

void CHelpWindow::AttachTo(QWidget* host)
{
    QWidget* window = host ? host->window() : nullptr;
    // Only a window on the screen can hide before it goes (and so give the
    // help window back); a hidden one would take it along when deleted.
    if (window == this || (window && !window->isVisible()))
        window = nullptr;
    if (window == parentWidget())
        return;
    if (m_host)
        m_host->removeEventFilter(this);
    const bool visible = isVisible();
    const QRect frame = geometry();
    setParent(window, windowFlags());
    m_host = window;
    if (window)
        window->installEventFilter(this);
    if (visible) {
        setGeometry(frame);
        show();
    }
}

bool CHelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A dialog that closes would take its children with it.
    if (watched == m_host && event->type() == QEvent::Hide)
        AttachTo(nullptr);
    return QWidget::eventFilter(watched, event);
}

void CHelpWindow::FillTopicList(const QStringList& topics)
{
    const QSignalBlocker blocker(m_topics);
    m_topics->clear();
    for (const QString& topic : topics) {
        auto* item = new QListWidgetItem(TopicTitle(topic), m_topics);
        item->setData(Qt::UserRole, topic);
        if (topic == CurrentTopic())
            m_topics->setCurrentItem(item);
    }
}

void CHelpWindow::OnSourceChanged(const QUrl& url)
{
    // The browser reports the new address before source() returns it.
    const QString topic = QFileInfo(url.path()).completeBaseName();
    setWindowTitle(QStringLiteral("Kalvex for Windows Help - ") + TopicTitle(topic));
    const QSignalBlocker blocker(m_topics);
    m_topics->setCurrentItem(nullptr);
    for (int row = 0; row < m_topics->count(); ++row)
        if (m_topics->item(row)->data(Qt::UserRole).toString() == topic)
            m_topics->setCurrentRow(row);
}

const QString& CHelpWindow::PlainText(const QString& topic) const
{
    auto it = m_plainTexts.find(topic);
    if (it == m_plainTexts.end())
        it = m_plainTexts.insert(topic,
                                 QTextDocumentFragment::fromHtml(ReadResource(PagePath(topic))).toPlainText());
    return it.value();
}
