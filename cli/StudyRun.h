#pragma once
// Running the variants of a study on several threads. Each variant is its
// own document, read from the same file bytes, so the threads share nothing
// they write.
#include "StudyPlan.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

struct CStudyOutcome {
    std::string line;                 // the CSV line, without its newline
    std::vector<std::string> errors;  // the Data Errors dialog's messages
};

// The CSV header: "variant", each axis as "N:KEY", then per branch its
// outlet dry and wet bulb and its worst MST, WBGT and ET with their distance.
std::string StudyCsvHeader(const CKalvexDoc& doc, const std::vector<CStudyAxis>& axes);

// Runs every variant of the document in bytes as Execute would, on jobs
// threads; the outcomes are in variant order whatever the number of jobs.
// done counts the finished variants as they finish.
std::vector<CStudyOutcome> RunStudy(const std::vector<std::uint8_t>& bytes, const std::vector<CStudyAxis>& axes,
                                    unsigned jobs, std::atomic<std::size_t>& done);
