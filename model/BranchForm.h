#pragma once
// The printed form of one branch's inputs, laid out in printer device units
// from the device's resolution and the form font's metrics. The layout is a
// list of texts and lines per page, so that it can be read by tests and
// drawn by any painter.
#include <string>
#include <vector>

class CKalvexDoc;
class CKalvexBranch;

struct CFormMetrics {
    int dpiX = 600;
    int dpiY = 600;
    int pageWidth = 0;   // printable area, device units
    int pageHeight = 0;
    int cellHeight = 0;  // the form font's character cell height
    int externalLeading = 0;
    int averageCharWidth = 0;

    // The em height of the 9-point form font at dpiY.
    static int FontHeight(int dpiY) { return (dpiY * 90 / 72 + 5) / 10; }
};

struct CFormItem {
    enum class Kind { Text, Line };
    // Text anchors: the bottom of the character cells at y (every text but
    // the footer), their top at y from the left, or their top at y ending
    // at x.
    enum class Anchor { BottomLeft, TopLeft, TopRight };
    Kind kind = Kind::Text;
    int page = 1;
    int x = 0;
    int y = 0;
    int x2 = 0;  // lines
    int y2 = 0;
    Anchor anchor = Anchor::BottomLeft;
    std::string text;
};

struct CFormLayout {
    int pages = 1;
    std::vector<CFormItem> items;
};

// The form of a branch of the document. Drops the branch's stale source
// ids when it prints its inlet air section. stamp: the "Printed: ..." text.
CFormLayout LayoutBranchForm(const CKalvexDoc& doc, CKalvexBranch& branch, const CFormMetrics& metrics,
                             const std::string& stamp);
// The print job's name: the path, or the title without one; 32 characters
// or more become "..." and the last 28.
std::string FormJobName(const CKalvexDoc& doc);
// "Printed: " and the local date and time in the C library's %c form.
std::string FormPrintStamp();
