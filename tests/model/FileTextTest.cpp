// Strings in files: Windows-1252 bytes, the wide UTF-16 form, damaged text.
#include "FileTestBytes.h"
#include "archive/DocumentFile.h"
#include "archive/TextCodec.h"

#include <gtest/gtest.h>

namespace {

// The bytes of the first branch's name field in a written document.
std::vector<std::uint8_t> NameField(const std::string& name)
{
    NewDocument doc;
    doc.InsertNewBranch(0);
    doc.BranchAt(0).name = name;
    const std::vector<std::uint8_t> bytes = WriteDocumentBytes(doc);
    const std::size_t at = 2 + 6 + 13 + 2;
    const std::size_t descriptionAndDoubles = 1 + 25 * 8;
    const std::size_t rest = descriptionAndDoubles + 2 + 2 + 24 + 1 + 2 + 193;
    return std::vector<std::uint8_t>(bytes.begin() + static_cast<long>(at),
                                     bytes.end() - static_cast<long>(rest));
}

std::string ReadBack(const std::string& name)
{
    NewDocument doc;
    doc.InsertNewBranch(0);
    doc.BranchAt(0).name = name;
    CKalvexDoc loaded;
    EXPECT_TRUE(ReadDocumentBytes(WriteDocumentBytes(doc), loaded).ok);
    return loaded.BranchCount() == 1 ? loaded.BranchAt(0).name : std::string();
}

}  // namespace

TEST(FileText, Cp1252CodecCoversEveryByte)
{
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    const std::string utf8 = Cp1252ToUtf8(all);
    std::string back;
    ASSERT_TRUE(Utf8ToCp1252(utf8, back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(Cp1252ToUtf8("\xE9\xB0"), "\u00E9\u00B0");

    std::string out = "unchanged";
    EXPECT_FALSE(Utf8ToCp1252("\u03A9", out));
    EXPECT_FALSE(Utf8ToCp1252("\u0080", out));  // a C1 control the code page maps elsewhere
    EXPECT_EQ(out, "unchanged");
}

TEST(FileText, Cp1252HighControlsAreTheWindowsTable)
{
    // Bytes 80 to 9F as Windows-1252 defines them; the five bytes it leaves
    // undefined (81, 8D, 8F, 90, 9D) keep their own number.
    constexpr char32_t windows1252[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
    };
    auto utf8 = [](char32_t c) {
        std::string text;
        if (c < 0x800) {
            text += static_cast<char>(0xC0 | (c >> 6));
        } else {
            text += static_cast<char>(0xE0 | (c >> 12));
            text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        }
        text += static_cast<char>(0x80 | (c & 0x3F));
        return text;
    };
    for (int i = 0; i < 32; ++i) {
        const std::string byte(1, static_cast<char>(0x80 + i));
        EXPECT_EQ(Cp1252ToUtf8(byte), utf8(windows1252[i])) << std::hex << 0x80 + i;
        std::string back;
        ASSERT_TRUE(Utf8ToCp1252(utf8(windows1252[i]), back)) << std::hex << 0x80 + i;
        EXPECT_EQ(back, byte) << std::hex << 0x80 + i;
    }
}

TEST(FileText, NamesWithinWindows1252AreEightBit)
{
    EXPECT_EQ(NameField("Z\u00FCrich \u20AC5"),
              (std::vector<std::uint8_t>{9, 'Z', 0xFC, 'r', 'i', 'c', 'h', ' ', 0x80, '5'}));
    EXPECT_EQ(ReadBack("Z\u00FCrich \u20AC5 \u2013 30\u00B0C"), "Z\u00FCrich \u20AC5 \u2013 30\u00B0C");
}

TEST(FileText, OtherCharactersUseTheWideForm)
{
    // "Ω 1": FF, FE FF, length 3, UTF-16LE units.
    EXPECT_EQ(NameField("\u03A9 1"),
              (std::vector<std::uint8_t>{0xFF, 0xFE, 0xFF, 3, 0xA9, 0x03, ' ', 0, '1', 0}));
    EXPECT_EQ(ReadBack("\u03A9 1"), "\u03A9 1");
    EXPECT_EQ(ReadBack("\u5DE5\u4F5C\u9762 \U0001F6A7 \u00E9"), "\u5DE5\u4F5C\u9762 \U0001F6A7 \u00E9");
    // Long wide strings take the longer prefixes inside the wide form too.
    std::string longName;
    for (int i = 0; i < 300; ++i)
        longName += "\u0394";
    const std::vector<std::uint8_t> field = NameField(longName);
    EXPECT_EQ(std::vector<std::uint8_t>(field.begin(), field.begin() + 6),
              (std::vector<std::uint8_t>{0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}));
    EXPECT_EQ(field.size(), 6u + 600u);
    EXPECT_EQ(ReadBack(longName), longName);
}

TEST(FileText, InvalidUtf8IsWrittenWithoutLoss)
{
    // Bytes that are no UTF-8 are taken as Windows-1252 bytes.
    EXPECT_EQ(NameField("\xE9t\xC3"), (std::vector<std::uint8_t>{3, 0xE9, 't', 0xC3}));
    EXPECT_EQ(ReadBack("\xE9t\xC3"), "\u00E9t\u00C3");
    EXPECT_EQ(ReadBack("\xED\xA0\x80"), "\u00ED\u00A0\u20AC");  // an encoded surrogate
    EXPECT_EQ(ReadBack("\xC0\xAF"), "\u00C0\u00AF");            // an overlong slash
    EXPECT_EQ(ReadBack("\xF4\x90\x80\x80"), "\u00F4\u0090\u20AC\u20AC");  // above U+10FFFF
    // Mixed with a character that needs the wide form.
    EXPECT_EQ(ReadBack("\xE9\u03A9"), "\u00E9\u03A9");
    EXPECT_EQ(ReadBack(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(FileText, WideStringsFromOtherWriters)
{
    auto fileWithName = [](const FileBytes& name) {
        FileBytes b;
        b.Word(1).Class("CKalvexBranch").Word(1).Append(name.data).Str("");
        for (int i = 0; i < 25; ++i)
            b.Double(0);
        b.Word(0).Word(0).Double(0).Double(0).Double(0).Str("").Word(0);
        b.DefaultColumns().Word(0).NoGridParams().DefaultTail(1);
        return b.data;
    };
    CKalvexDoc doc;
    // A wide string of text within Windows-1252, with a WORD length.
    FileBytes wide;
    wide.Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(2).Word('O').Word(0x00D6);
    ASSERT_TRUE(ReadDocumentBytes(fileWithName(wide), doc).ok);
    EXPECT_EQ(doc.BranchAt(0).name, "O\u00D6");
    // Saved again it takes the 8-bit form, which every reader accepts.
    EXPECT_EQ(WriteDocumentBytes(doc)[23], 2);

    // An unpaired surrogate becomes the replacement character.
    FileBytes lone;
    lone.Byte(0xFF).Word(0xFFFE).Byte(2).Word(0xD800).Word('x');
    ASSERT_TRUE(ReadDocumentBytes(fileWithName(lone), doc).ok);
    EXPECT_EQ(doc.BranchAt(0).name, "\uFFFDx");

    // Pairs at both ends of the surrogate ranges.
    FileBytes pairs;
    pairs.Byte(0xFF).Word(0xFFFE).Byte(4).Word(0xD800).Word(0xDC00).Word(0xDBFF).Word(0xDFFF);
    ASSERT_TRUE(ReadDocumentBytes(fileWithName(pairs), doc).ok);
    EXPECT_EQ(doc.BranchAt(0).name, "\U00010000\U0010FFFF");

    // An empty wide string, and one with the DWORD length.
    FileBytes empty;
    empty.Byte(0xFF).Word(0xFFFE).Byte(0);
    ASSERT_TRUE(ReadDocumentBytes(fileWithName(empty), doc).ok);
    EXPECT_EQ(doc.BranchAt(0).name, "");
    FileBytes dword;
    dword.Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(0xFFFF).Dword(1).Word(0x20AC);
    ASSERT_TRUE(ReadDocumentBytes(fileWithName(dword), doc).ok);
    EXPECT_EQ(doc.BranchAt(0).name, "\u20AC");

    // The wide marker twice, or a wide length beyond the file.
    FileBytes twice;
    twice.Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(0xFFFE).Byte(0);
    EXPECT_EQ(ReadDocumentBytes(fileWithName(twice), doc).message, "Unexpected file format.");
    FileBytes beyond;
    beyond.Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(0x8000);
    EXPECT_EQ(ReadDocumentBytes(fileWithName(beyond), doc).message, "Unexpected file format.");
}
