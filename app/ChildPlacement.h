#pragma once
// Where the child windows of the work area go: a new window of a document
// gets a place of its own kind (the branch table on the left, the results
// table and the graph beside it, or below it when the area is narrow), and
// Cascade keeps every window large. Every rectangle lies inside the area,
// so each caption and the first rows and columns are in view.
#include "CommandTable.h"

#include <QList>
#include <QRect>

// The place of a new window of the kind. documentIndex shifts the windows
// of later documents by a caption's height so that earlier captions stay
// readable; caption is the height of a child window's title bar.
QRect ChildRect(ViewKind kind, const QRect& area, int documentIndex, int caption);

// Cascade: count windows, each a caption lower and to the right of the one
// before, all of one size that leaves them most of the area.
QList<QRect> CascadeRects(int count, const QRect& area, int caption);

// The rectangle moved and, only where it must be, shrunk into the area.
QRect FitInto(const QRect& rect, const QRect& area);
