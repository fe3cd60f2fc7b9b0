#include "PageSheet.h"

#include <QKeyEvent>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

CPageSheet::CPageSheet(QWidget* parent) : QWidget(parent), m_tabs(new QTabBar(this)), m_stack(new QStackedWidget(this))
{
    m_tabs->setDrawBase(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_stack, 1);
    connect(m_tabs, &QTabBar::currentChanged, this, &CPageSheet::OnTabChanged);
}

void CPageSheet::AddPage(QWidget* page, const QString& caption)
{
    m_switching = true;  // adding the first tab makes it current; Start shows it
    m_tabs->addTab(caption);
    m_stack->addWidget(page);
    m_switching = false;
}

void CPageSheet::Start()
{
    if (PageCount() == 0)
        return;
    m_switching = true;
    m_tabs->setCurrentIndex(0);
    m_switching = false;
    m_stack->setCurrentIndex(0);
    m_current = 0;
    if (m_shown)
        m_shown(0);
}

int CPageSheet::PageCount() const { return m_stack->count(); }

QWidget* CPageSheet::Page(int index) const { return m_stack->widget(index); }

bool CPageSheet::LeaveCurrent()
{
    return m_current < 0 || !m_canLeave || m_canLeave(m_current);
}

bool CPageSheet::SwitchTo(int index)
{
    m_tabs->setCurrentIndex(index);
    return m_current == index;
}

void CPageSheet::OnTabChanged(int index)
{
    if (m_switching || index < 0 || index == m_current)
        return;
    // The tab bar moved already; the page shown stays until it lets go.
    m_switching = true;
    m_tabs->setCurrentIndex(m_current);
    m_switching = false;
    if (!LeaveCurrent())
        return;
    m_switching = true;
    m_tabs->setCurrentIndex(index);
    m_switching = false;
    m_stack->setCurrentIndex(index);
    m_current = index;
    if (m_shown)
        m_shown(index);
}

void CPageSheet::keyPressEvent(QKeyEvent* event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    int step = 0;
    if (control && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab))
        step = shift || event->key() == Qt::Key_Backtab ? -1 : 1;
    else if (control && event->key() == Qt::Key_PageDown)
        step = 1;
    else if (control && event->key() == Qt::Key_PageUp)
        step = -1;
    if (step == 0 || PageCount() < 2) {
        QWidget::keyPressEvent(event);
        return;
    }
    SwitchTo((m_current + step + PageCount()) % PageCount());
    event->accept();
}
