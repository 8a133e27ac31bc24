#include "tools/pbrain-gobang/LineReader.h"

CLineReader::CLineReader(std::istream& in)
    : m_in(in)
{
}

CLineReader::Result CLineReader::ReadLine(std::string& line)
{
    line.clear();
    bool tooLong = false;
    bool readAny = false;
    char c = 0;
    while (m_in.get(c)) {
        readAny = true;
        if (c == '\n')
            break;
        if (line.size() < kMaxLineLength + 1)
            line.push_back(c);
        else
            tooLong = true;
    }
    if (!readAny)
        return Result::EndOfInput;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (tooLong || line.size() > kMaxLineLength) {
        line.clear();
        return Result::TooLong;
    }
    return Result::Line;
}
