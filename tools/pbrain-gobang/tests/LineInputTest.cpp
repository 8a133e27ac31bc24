#include "tools/pbrain-gobang/LineReader.h"
#include "tools/pbrain-gobang/NumberList.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

using Result = CLineReader::Result;

TEST(LineReader, TakesLfAndCrLfLineEnds)
{
    std::istringstream in("START 15\r\nBEGIN\nlast");
    CLineReader reader(in);
    std::string line;
    EXPECT_EQ(reader.ReadLine(line), Result::Line);
    EXPECT_EQ(line, "START 15");
    EXPECT_EQ(reader.ReadLine(line), Result::Line);
    EXPECT_EQ(line, "BEGIN");
    EXPECT_EQ(reader.ReadLine(line), Result::Line);
    EXPECT_EQ(line, "last");
    EXPECT_EQ(reader.ReadLine(line), Result::EndOfInput);
}

TEST(LineReader, DropsAnOverLongLineAndGoesOn)
{
    const std::string longest(CLineReader::kMaxLineLength, 'x');
    std::istringstream in(longest + "\n" + longest + "y\nEND\n" + std::string(100000, 'z'));
    CLineReader reader(in);
    std::string line;
    EXPECT_EQ(reader.ReadLine(line), Result::Line);
    EXPECT_EQ(line, longest);
    EXPECT_EQ(reader.ReadLine(line), Result::TooLong);
    EXPECT_EQ(reader.ReadLine(line), Result::Line);
    EXPECT_EQ(line, "END");
    EXPECT_EQ(reader.ReadLine(line), Result::TooLong);
    EXPECT_EQ(reader.ReadLine(line), Result::EndOfInput);
}

TEST(NumberList, ReadsWholeNumbers)
{
    EXPECT_EQ(ParseNumberList("7,7"), (std::vector<int> { 7, 7 }));
    EXPECT_EQ(ParseNumberList(" 3 , 9 ,1 "), (std::vector<int> { 3, 9, 1 }));
    EXPECT_EQ(ParseNumberList("15"), (std::vector<int> { 15 }));
    EXPECT_EQ(ParseNumberList("-1,4"), (std::vector<int> { -1, 4 }));
}

TEST(NumberList, RefusesAnythingElse)
{
    for (const char* text : { "", ",", "7,", ",7", "7,,7", "a,b", "7x,7", "7.5,1", "99999999999,1", "+", "7 7" })
        EXPECT_FALSE(ParseNumberList(text).has_value()) << '"' << text << '"';
}

} // namespace
