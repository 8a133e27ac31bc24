#pragma once

#include <cstddef>
#include <istream>
#include <string>

// Reads protocol lines ending in LF or CR LF, keeping no more than a bounded
// number of characters of any line, so that no input can exhaust memory.
class CLineReader {
public:
    enum class Result { Line, TooLong, EndOfInput };

    static constexpr std::size_t kMaxLineLength = 1024;

    explicit CLineReader(std::istream& in);

    // The next line, without its line end. A line longer than kMaxLineLength
    // is read to its end and dropped. A last line without a line end still
    // counts as a line.
    Result ReadLine(std::string& line);

private:
    std::istream& m_in;
};
