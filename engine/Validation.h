#pragma once
// The input check before a run. Every failed check appends one message to
// errors; nothing is changed.
#include <string>
#include <vector>

class CKalvexBranch;
class CKalvexDoc;

// index: the branch's 0-based position when it is checked as part of a
// sequence (messages are then prefixed with its number and name), -1 for a
// single-branch run. intakeFromSources: the run replaces the intake air by
// the mixture of the source branches, so the entered intake air is not
// checked beyond the four basic checks, and the additional air is.
// Returns true when no check failed.
bool ValidateBranch(const CKalvexBranch& branch, std::vector<std::string>& errors, int index,
                    bool intakeFromSources = false);

// The worker description and skin temperature limit of the document.
bool ValidateWorker(const CKalvexDoc& doc, std::vector<std::string>& errors);

// The intake air a branch would start from can be marched: a positive
// pressure and a vapour pressure above zero and below the pressure.
// pressureKpa as the branch stores it.
enum class IntakeAirProblem { None, NotANumber, NoPressure, TooDry, VapourTooHigh };
IntakeAirProblem CheckIntakeAir(double dryBulb, double wetBulb, double pressureKpa);
