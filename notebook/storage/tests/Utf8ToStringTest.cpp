#include "notebook/storage/Note.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Utf8Case {
    const char* name;
    QByteArray bytes;
    std::vector<char16_t> units;
};

void PrintTo(const Utf8Case& c, std::ostream* out)
{
    *out << c.name;
}

class Utf8ToString : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ToString, DecodesByTheNotebooksTable)
{
    const Utf8Case& c = GetParam();
    const QString text = CNote::Utf8ToString(c.bytes.constData(), c.bytes.size());
    EXPECT_EQ(text, QString::fromUtf16(c.units.data(), qsizetype(c.units.size())));
}

INSTANTIATE_TEST_SUITE_P(Table, Utf8ToString, testing::Values(
    Utf8Case { "Empty", QByteArray(), {} },
    Utf8Case { "Ascii", "Hi!", { u'H', u'i', u'!' } },
    Utf8Case { "ZeroByteStays", QByteArray("a\0b", 3), { u'a', 0, u'b' } },
    Utf8Case { "TwoBytes", "\xC3\xA9", { 0xE9 } },
    Utf8Case { "TwoBytesLargest", "\xDF\xBF", { 0x7FF } },
    // Below C0 the lead byte wraps modulo 65536: (0x80 - 0xC0) * 64 + (0x80 - 0x80).
    Utf8Case { "LeadBelowC0Wraps", "\x80\x80", { 0xF000 } },
    Utf8Case { "ContinuationBelow80Wraps", QByteArray("\xC0\x00", 2), { 0xFF80 } },
    Utf8Case { "OverlongTwoBytes", "\xC1\x81", { 0x41 } },
    Utf8Case { "ThreeBytes", "\xE4\xBD\xA0\xE5\xA5\xBD", { 0x4F60, 0x597D } },
    Utf8Case { "ThreeBytesLargest", "\xEF\xBF\xBF", { 0xFFFF } },
    Utf8Case { "ThreeBytesMalformedContinuations", "\xE1\x41\xC2", { 0x1042 } },
    // A four-byte sequence loses its lead byte; 9F 98 make one character and
    // the lone 80 left at the end yields nothing.
    Utf8Case { "FourBytes", "\xF0\x9F\x98\x80", { 0xF7D8 } },
    Utf8Case { "LeadF0ToFFDropped", "\xF0\xF8\xFFz", { u'z' } },
    Utf8Case { "CutInsideTwoBytes", "ab\xC3", { u'a', u'b' } },
    Utf8Case { "CutInsideThreeBytes", "ab\xE4\xBD", { u'a', u'b' } },
    Utf8Case { "CutAfterOneOfThree", "\xE4", {} }),
    [](const testing::TestParamInfo<Utf8Case>& info) { return std::string(info.param.name); });

} // namespace
