#pragma once
// Update-all-views: the document tells every attached view what changed.

// Base of objects that travel with an update (the grid component's own
// hints derive from it).
class CUpdateHint {
public:
    virtual ~CUpdateHint() = default;
};

class IDocumentView {
public:
    virtual ~IDocumentView() = default;
    // hint 1: the list of branches changed; hint 0: contents changed.
    virtual void OnUpdate(IDocumentView* sender, long hint, CUpdateHint* hintObject) = 0;
};

enum : long { kHintContents = 0, kHintBranchList = 1 };
