#pragma once
// CPageSheet: tabbed pages where the page being left may refuse. A page
// switch first asks CanLeave of the page shown; when it refuses (after
// showing its message) the sheet stays on it. PageShown runs for the page
// that becomes current, the first page included (Start).
#include <QWidget>

#include <functional>

class QStackedWidget;
class QTabBar;

class CPageSheet : public QWidget {
    Q_OBJECT

public:
    explicit CPageSheet(QWidget* parent = nullptr);

    void AddPage(QWidget* page, const QString& caption);
    void SetCanLeave(std::function<bool(int page)> canLeave) { m_canLeave = std::move(canLeave); }
    void SetPageShown(std::function<void(int page)> shown) { m_shown = std::move(shown); }
    // Shows the first page.
    void Start();

    int CurrentPage() const { return m_current; }
    int PageCount() const;
    QWidget* Page(int index) const;
    QTabBar* TabBar() const { return m_tabs; }
    // Switches as a click on the tab would; false when the page shown refused.
    bool SwitchTo(int index);
    // The page shown checks itself (OK); false when it refused.
    bool LeaveCurrent();

protected:
    // Ctrl+Tab and Ctrl+Page Down to the next page, with Shift or Page Up
    // to the previous one, as in any tabbed dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnTabChanged(int index);

    QTabBar* m_tabs;
    QStackedWidget* m_stack;
    std::function<bool(int)> m_canLeave;
    std::function<void(int)> m_shown;
    int m_current = -1;
    bool m_switching = false;
};
