#pragma once
// What a run needs from a person. The windowed program implements it with a
// busy cursor, a message box and the Data Errors dialog; dorvan-cli and the
// tests implement it with streams and recorders.
#include <string>
#include <vector>

// The Data Errors dialog's texts above and below the list of messages.
inline constexpr const char* kDataErrorsHeading = "The following errors were found in the input data:";
inline constexpr const char* kDataErrorsRequest =
    "Please correct these errors before executing the calculation routine again.";

class CKalvexBranch;

class IRunUi {
public:
    virtual ~IRunUi() = default;
    // A branch's march begins; its guard messages follow.
    virtual void BeginBranch(const CKalvexBranch& /*branch*/) {}
    // Busy indication around the whole Execute.
    virtual void BeginBusy() {}
    virtual void EndBusy() {}
    // The dry-bulb guard's modal message box; the march waits for it to
    // return, then goes on.
    virtual void ShowGuardMessage(const std::string& text) = 0;
    // The Data Errors dialog, listing every validation message; nothing runs.
    virtual void ShowDataErrors(const std::vector<std::string>& errors) = 0;
};
