#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct BrainRun {
    std::string output;
    int status = -1;
};

// Feeds input to the real program through a pipe and collects what it
// writes; a brain that does not finish within ten seconds is stopped and
// reported with status 124.
BrainRun RunBrain(const std::string& input)
{
    static int runs = 0;
    const std::string path = (std::filesystem::temp_directory_path()
        / ("pbrain-" + std::to_string(getpid()) + "-" + std::to_string(++runs)))
                                 .string();
    std::ofstream(path + ".in", std::ios::binary) << input;
    const std::string command = "cat '" + path + ".in' | timeout 10 '" PBRAIN_GOBANG_PATH "' > '" + path + ".out'";
    const int status = std::system(command.c_str());
    std::ostringstream output;
    output << std::ifstream(path + ".out", std::ios::binary).rdbuf();
    std::filesystem::remove(path + ".in");
    std::filesystem::remove(path + ".out");
    return { output.str(), WIFEXITED(status) ? WEXITSTATUS(status) : -1 };
}

// The protocol itself is tested on streams; here the program answers
// through its standard input and output, ends with the right status and
// survives input without line ends or text.
TEST(PbrainPipe, PlaysThroughAPipe)
{
    const BrainRun run = RunBrain("START 15\r\nBEGIN\r\nTURN 8,8\r\nEND\r\nTURN 1,1\r\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.output, testing::MatchesRegex("OK\n7,7\n[0-9]+,[0-9]+\n"));
    const BrainRun binary = RunBrain(std::string("\0\xff\x01\r\r\n", 6) + std::string(300000, 'x'));
    EXPECT_EQ(binary.status, 1);
    EXPECT_THAT(binary.output, testing::EndsWith("ERROR end of input before END\n"));
}

} // namespace
