#pragma once
// The example documents shipped in examples/, built through the document
// and its records as a user would enter them, and run once so that the
// files carry their results.
#include <string>
#include <vector>

class CKalvexDoc;

struct CExampleDocument {
    std::string fileName;  // e.g. "haulage-drift.zt2"
    void (*build)(CKalvexDoc& doc);
};

// A level haulage drift with diesel and electric machines and a booster fan.
void BuildHaulageDrift(CKalvexDoc& doc);
// A 2000 m decline into hot, wet rock, where the air condenses.
void BuildHotDecline(CKalvexDoc& doc);
// Five branches run as a sequence, with mixing and additional air.
void BuildFiveBranchSequence(CKalvexDoc& doc);

const std::vector<CExampleDocument>& ExampleDocuments();

// Runs the document as Execute does (the sequence when sequence mode is on,
// otherwise every branch in turn). Returns false, with the messages, when
// the input data has errors or the dry-bulb guard spoke.
bool RunExample(CKalvexDoc& doc, std::vector<std::string>& messages);
