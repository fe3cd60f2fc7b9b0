#pragma once
// Shared pieces of the engine tests: a user interface that records what a
// run shows, and documents with the default branch.
#include "KalvexDoc.h"
#include "RunUi.h"

#include <string>
#include <vector>

class RecordingUi : public IRunUi {
public:
    void BeginBusy() override { ++busyBegins; }
    void EndBusy() override { ++busyEnds; }
    void ShowGuardMessage(const std::string& text) override { guardMessages.push_back(text); }
    void ShowDataErrors(const std::vector<std::string>& errors) override { dataErrors.push_back(errors); }

    int busyBegins = 0;
    int busyEnds = 0;
    std::vector<std::string> guardMessages;
    std::vector<std::vector<std::string>> dataErrors;  // one entry per dialog shown
};

// Counts the updates a document sends to its views.
class CountingView : public IDocumentView {
public:
    void OnUpdate(IDocumentView*, long, CUpdateHint*) override { ++updates; }
    int updates = 0;
};

// A new document holding count default branches.
inline void AddDefaultBranches(CKalvexDoc& doc, int count)
{
    doc.OnNewDocument();
    for (int i = 0; i < count; ++i)
        doc.InsertNewBranch(doc.BranchCount());
}

inline std::vector<const CResultInterval*> ValueRows(const CKalvexBranch& branch)
{
    std::vector<const CResultInterval*> rows;
    for (const CResultInterval& row : branch.ResultList())
        if (!row.isMessage)
            rows.push_back(&row);
    return rows;
}

inline std::vector<std::string> MessageRows(const CKalvexBranch& branch)
{
    std::vector<std::string> texts;
    for (const CResultInterval& row : branch.ResultList())
        if (row.isMessage)
            texts.push_back(row.messageText);
    return texts;
}
