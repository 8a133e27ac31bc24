#include "notebook/storage/Note.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Utf8Case {
    const char* name;
    QByteArray bytes;
    std::vector<char16_t> units; // empty for bytes that are not UTF-8
};

void PrintTo(const Utf8Case& c, std::ostream* out)
{
    *out << c.name;
}

class Utf8ToString : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ToString, DecodesInFullAndTellsOfLoss)
{
    const Utf8Case& c = GetParam();
    bool lossy = false;
    const QString text = CNote::Utf8ToString(c.bytes.constData(), c.bytes.size(), &lossy);
    if (c.units.empty() && !c.bytes.isEmpty()) {
        EXPECT_TRUE(lossy);
        EXPECT_TRUE(text.contains(QChar::ReplacementCharacter)) << "what is lost shows";
    } else {
        EXPECT_FALSE(lossy);
        EXPECT_EQ(text, QString(reinterpret_cast<const QChar*>(c.units.data()), qsizetype(c.units.size())));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Utf8ToString, testing::Values(
    Utf8Case { "Empty", QByteArray(), {} },
    Utf8Case { "Ascii", "Hi!", { u'H', u'i', u'!' } },
    Utf8Case { "ZeroByteStays", QByteArray("a\0b", 3), { u'a', 0, u'b' } },
    Utf8Case { "TwoBytes", "\xC3\xA9", { 0xE9 } },
    Utf8Case { "ThreeBytes", "\xE4\xBD\xA0\xEF\xBF\xBF", { 0x4F60, 0xFFFF } },
    Utf8Case { "FourBytesAreASurrogatePair", "\xF0\x9F\x98\x80z", { 0xD83D, 0xDE00, u'z' } },
    Utf8Case { "SignatureInsideIsACharacter", "\xEF\xBB\xBFx", { 0xFEFF, u'x' } },
    Utf8Case { "Latin1Byte", "caf\xE9", {} },
    Utf8Case { "LoneContinuation", "\x80", {} },
    Utf8Case { "Overlong", "\xC1\x81", {} },
    Utf8Case { "Surrogate", "\xED\xA0\x80", {} },
    Utf8Case { "BeyondU10FFFF", "\xF4\x90\x80\x80", {} },
    Utf8Case { "CutInsideThreeBytes", "ab\xE4\xBD", {} }),
    [](const testing::TestParamInfo<Utf8Case>& info) { return std::string(info.param.name); });

} // namespace
