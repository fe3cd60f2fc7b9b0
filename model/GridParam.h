#pragma once
// Settings the grid component keeps about one table. The document owns one
// per table and saves it; the grid component in grid/ binds a view to it.
// Plain data so that the file reader and writer need no user interface.
#include <cstdint>
#include <map>
#include <memory>

// Display and print properties of one grid. Colours are 0x00RRGGBB.
// Margins are whole screen pixels at the display's horizontal resolution.
struct CGXProperties {
    explicit CGXProperties(int dpi = 96);

    // A margin of the given inches as stored: whole part of inches * dpi + 0.51.
    static std::int32_t MarginFromInches(double inches, int dpi);

    // Display
    bool displayHorzLines = true;
    bool displayVertLines = true;
    bool displayRowHeaders = true;
    bool displayColHeaders = true;
    bool threeDHeaders = true;
    std::uint32_t gridLineColour = 0xC0C0C0;
    std::uint32_t headerColour = 0xF0F0F0;      // header background
    std::uint32_t headerTextColour = 0x000000;
    std::uint32_t backgroundColour = 0xFFFFFF;  // cell background
    std::uint32_t textColour = 0x000000;

    // Print
    std::int32_t marginTop;
    std::int32_t marginLeft;
    std::int32_t marginBottom;
    std::int32_t marginRight;
    bool printRowHeaders = true;
    bool printColHeaders = true;
    bool printVertLines = true;
    bool printHorzLines = true;
    bool printFrame = true;
    bool printBlackWhite = true;
    bool centerHorizontally = true;
    bool centerVertically = false;

    bool operator==(const CGXProperties&) const = default;
};

// The program's properties: the grid's own plus the print orientation.
struct CGridProperties : CGXProperties {
    using CGXProperties::CGXProperties;
    std::uint8_t landscape = 0;  // 1 landscape, 0 portrait

    bool operator==(const CGridProperties&) const = default;
};

// State the grid component attaches to a parameter object at run time
// (undo history and the like); never saved.
class CGridRuntime {
public:
    virtual ~CGridRuntime() = default;
};

struct CGXGridParam {
    // Sizes in pixels at 100 % zoom; 0 means the grid's own default.
    std::int32_t defaultRowHeight = 0;
    std::int32_t defaultColWidth = 0;
    std::int32_t headerRowHeight = 0;
    std::int32_t headerColWidth = 0;
    std::int32_t frozenRows = 0;  // rows below the header row kept in view
    std::int32_t frozenCols = 0;  // columns right of the header column kept in view
    std::int32_t zoom = 100;      // percent
    std::map<std::int32_t, std::int32_t> columnWidths;  // grid column -> width
    std::map<std::int32_t, std::int32_t> rowHeights;    // grid row -> height

    // Behaviour
    bool allowSelectCells = true;
    bool allowSelectRows = true;
    bool allowSelectCols = true;
    bool allowSelectTable = true;
    bool allowMultipleRanges = true;  // Ctrl+click adds further ranges
    bool numberRowHeaders = true;     // 1, 2, 3 ... in the header column
    bool numberColHeaders = true;     // A, B, C ... in the header row
    bool allowRowResize = true;
    bool allowColResize = true;
    bool allowRowMove = true;
    bool allowColMove = true;

    CGridProperties properties;
    std::unique_ptr<CGridRuntime> runtime;  // owned by the grid component's use

    // Compares what is saved (not the run-time state).
    bool SameSettings(const CGXGridParam& other) const;
};
