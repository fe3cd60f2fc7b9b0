#pragma once
// What Find, Replace and Find Again look for.
#include <QString>

struct CGXFindOptions {
    QString findWhat;
    QString replaceWith;
    bool matchCase = false;
    bool wholeCell = false;  // the whole cell text must match, not a part of it
    bool searchDown = true;  // rows downwards (right, then the next row); false: upwards
};
