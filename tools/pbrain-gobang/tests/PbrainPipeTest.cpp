#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using testing::MatchesRegex;

struct BrainRun {
    std::vector<std::string> lines;
    int status = -1;
};

// Feeds input to the real program through a pipe and collects its reply
// lines; a brain that does not finish within ten seconds is stopped and
// reported with status 124.
BrainRun RunBrain(const std::string& input)
{
    static int runs = 0;
    const auto inputPath = std::filesystem::temp_directory_path()
        / ("pbrain-input-" + std::to_string(getpid()) + "-" + std::to_string(++runs));
    std::ofstream(inputPath, std::ios::binary) << input;
    const std::string command = "cat '" + inputPath.string() + "' | timeout 10 '" PBRAIN_GOBANG_PATH "'";

    BrainRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::string output;
    std::array<char, 4096> buffer {};
    while (const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), count);
    const int status = pclose(pipe);
    std::filesystem::remove(inputPath);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);)
        run.lines.push_back(line);
    return run;
}

// The protocol itself is tested on streams; here the program answers
// through its standard input and output, ends with the right status and
// survives input without line ends or text.
TEST(PbrainPipe, PlaysThroughAPipe)
{
    const BrainRun run = RunBrain("START 15\r\nBEGIN\r\nTURN 8,8\r\nEND\r\nTURN 1,1\r\n");
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 3u);
    EXPECT_EQ(run.lines[0], "OK");
    EXPECT_EQ(run.lines[1], "7,7");
    EXPECT_THAT(run.lines[2], MatchesRegex("[0-9]+,[0-9]+"));
    EXPECT_NE(run.lines[2], "8,8");
    const BrainRun binary = RunBrain(std::string("\0\xff\x01\r\r\n", 6) + std::string(300000, 'x'));
    EXPECT_EQ(binary.status, 1);
    EXPECT_EQ(binary.lines.back(), "ERROR end of input before END");
}

} // namespace
