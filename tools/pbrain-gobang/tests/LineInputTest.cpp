#include "tools/pbrain-gobang/LineReader.h"
#include "tools/pbrain-gobang/NumberList.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Result = CLineReader::Result;

// Lines end at LF or CR LF; one longer than 1024 characters is dropped whole,
// the next is read as usual. A CR counts towards the length unless it ends the line.
TEST(LineReader, TakesBothLineEndsAndDropsOverLongLines)
{
    const std::string longest(1024, 'x');
    std::istringstream in("START 15\r\nBEGIN\n" + longest + "\n" + longest + "y\n" + longest + "\r\n" + longest
        + "\ry\nEND\n" + std::string(100000, 'z') + "\nlast");
    CLineReader reader(in);
    const std::vector<std::pair<Result, std::string>> expected
        = { { Result::Line, "START 15" }, { Result::Line, "BEGIN" }, { Result::Line, longest }, { Result::TooLong, "" },
              { Result::Line, longest }, { Result::TooLong, "" }, { Result::Line, "END" }, { Result::TooLong, "" },
              { Result::Line, "last" }, { Result::EndOfInput, "" } };
    for (const auto& [result, text] : expected) {
        std::string line;
        ASSERT_EQ(reader.ReadLine(line), result) << text;
        EXPECT_EQ(result == Result::Line ? line : std::string(), text);
    }
}

TEST(NumberList, ReadsWholeNumbersAndRefusesAnythingElse)
{
    EXPECT_EQ(ParseNumberList(" 3 , -9 ,1 "), (std::vector<int> { 3, -9, 1 }));
    for (const char* text : { "", ",", "7,", ",7", "7,,7", "a,b", "7x,7", "7.5,1", "99999999999,1", "+", "7 7" })
        EXPECT_FALSE(ParseNumberList(text).has_value()) << '"' << text << '"';
}

} // namespace
