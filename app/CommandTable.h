#pragma once
// The program's commands: one entry per command with its menu text (with
// the "&" mnemonic and the shortcut text after a tab), its status-line
// prompt, its tooltip and its keys. The main window makes one QAction of
// each; every menu and the toolbar use those actions.
#include <QKeySequence>
#include <QList>
#include <QString>

struct CCommandInfo {
    int id;
    QString text;
    QString prompt;
    QString tooltip;
    QList<QKeySequence> keys;
    bool checkable = false;
};

const QList<CCommandInfo>& CommandTable();
const CCommandInfo* FindCommand(int id);

// The five kinds of child window; the numbers are their resource ids.
enum class ViewKind { None = 128, Branch = 3, Results = 4, Graph = 5, AirSource = 10, HeatSource = 11 };

// One menu: its title and its items (command ids, 0 for a separator, -1
// for the recent files, -2 for the list of open windows).
struct CMenuLayout {
    QString title;
    QList<int> items;
};
inline constexpr int kSeparator = 0;
inline constexpr int kRecentFiles = -1;
inline constexpr int kWindowList = -2;

QList<CMenuLayout> MenuLayout(ViewKind kind);
// The toolbar's commands in order; 0 for a separator.
const QList<int>& ToolbarLayout();
