#include "tools/pbrain-gobang/BrainProtocol.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// The brain's engine scans every column and row upwards, so that ties go to
// the last point of the board in reading order.
class BrainProtocolTest : public testing::Test {
protected:
    std::string Converse(const std::string& input)
    {
        std::istringstream in(input);
        std::ostringstream out;
        CBrainProtocol protocol(m_engine, in, out);
        m_status = protocol.Run();
        return out.str();
    }

    CGoEngine m_engine { [] { return 0u; }, [](std::uint32_t) { return 1u; } };
    int m_status = -1;
};

std::string FullBoard()
{
    std::string board = "BOARD\n";
    for (int x = 0; x < kGoBoardSize; ++x) {
        for (int y = 0; y < kGoBoardSize; ++y)
            board += std::to_string(x) + "," + std::to_string(y) + "," + ((x / 2 + y) % 2 ? "1" : "2") + "\n";
    }
    return board + "DONE\n";
}

TEST_F(BrainProtocolTest, AnswersEachCommand)
{
    const std::string noGame = "ERROR no game: send START 15 first\n";
    const std::string fifteen = "ERROR only 15 by 15 boards are supported\n";
    const std::string size = "ERROR START needs the board size\n";
    const std::string rect = "ERROR RECTSTART needs the width and the height\n";
    const std::string point = "ERROR expected a point x,y\n";
    const struct {
        std::string input;
        std::string output;
        int status; // of Run
        int steps;  // stones on the board afterwards
    } cases[] = {
        { "START 15\nEND\nBEGIN\n", "OK\n", 0, 0 },
        { "START 20\nSTART\nSTART x\nRECTSTART 15,15\nRECTSTART 15,20\nRECTSTART 15\nRECTSTART\nEND\n",
            fifteen + size + size + "OK\n" + fifteen + rect + rect, 0, 0 },
        { "BEGIN\nTURN 7,7\nBOARD\nTAKEBACK 7,7\nRESTART\nEND\n", noGame + noGame + noGame + noGame + noGame, 0, 0 },
        { "START 15\nBEGIN\nEND\n", "OK\n7,7\n", 0, 1 },
        { "START 15\nBOARD\n3,7,1\n4,7,1\n5,7,1\n6,7,1\n3,9,2\n4,9,2\n5,9,2\n6,9,2\nDONE\nEND\n", "OK\n7,7\n", 0, 9 },
        { "START 15\nTURN 0,0\nBOARD\n7,7,2\nDONE\nEND\n", "OK\n1,1\n8,8\n", 0, 2 },
        { "START 15\nBOARD\n7,7\n7,7,3\n15,7,1\nx,y,1\n7,7,2\n7,7,1\nDONE\nEND\n",
            "OK\nERROR BOARD lines are x,y,field\nERROR field must be 1 (own stone) or 2 (opponent's stone)\n"
            "ERROR point 15,7 is off the board\nERROR BOARD lines are x,y,field\nERROR point 7,7 is occupied\n8,8\n",
            0, 2 },
        { "START 15\nBOARD\n7,7,2\nEND\nTURN 1,1\n", "OK\n", 0, 1 },
        { "START 15\nBOARD\n7,7,2\n", "OK\nERROR end of input before DONE\n", 1, 1 },
        { "START 15\nTURN 7,7\nTAKEBACK 8,8\nTAKEBACK 7,7\nTAKEBACK 7,7\nEND\n",
            "OK\n8,8\nOK\nOK\nERROR point 7,7 is empty\n", 0, 0 },
        { "START 15\nBEGIN\nRESTART\nBEGIN\nEND\n", "OK\n7,7\nOK\n7,7\n", 0, 1 },
        { "START 15\nTURN 3,3\nBEGIN\nEND\n", "OK\n4,4\nERROR BEGIN needs an empty board\n", 0, 2 },
        { "START 15\nTURN 15,0\nTURN -1,3\nTURN a,b\nTURN 7\nTURN 7,7,7\nTAKEBACK 0,15\nEND\n",
            "OK\nERROR point 15,0 is off the board\nERROR point -1,3 is off the board\n" + point + point + point
                + "ERROR point 0,15 is off the board\n",
            0, 0 },
        { "START 15\nTURN 7,7\nTURN 7,7\nEND\n", "OK\n8,8\nERROR point 7,7 is occupied\n", 0, 2 },
        { "START 15\n" + FullBoard() + "TAKEBACK 14,14\nTURN 14,14\nEND\n",
            "OK\nERROR the board is full\nOK\nERROR the board is full\n", 0, kGoBoardSize * kGoBoardSize },
        { "ABOUT\nPLAY 1,1\n\n  \n" + std::string(5000, 'A') + "\nstart 15\r\nbegin\r\nEND\r\n",
            "name=\"pbrain-gobang\", version=\"" ORVA_VERSION "\", author=\"Orva\"\nUNKNOWN command PLAY\n"
            "ERROR line too long\nOK\n7,7\n",
            0, 1 },
        { "", "ERROR end of input before END\n", 1, 0 },
    };
    for (const auto& c : cases) {
        m_engine = CGoEngine { [] { return 0u; }, [](std::uint32_t) { return 1u; } };
        EXPECT_EQ(Converse(c.input), c.output) << c.input;
        EXPECT_EQ(m_status, c.status) << c.input;
        EXPECT_EQ(m_engine.g_nStep, c.steps) << c.input;
    }
}

TEST_F(BrainProtocolTest, PlaysAtHardUnlessToldOtherwise)
{
    Converse("START 15\nEND\n");
    EXPECT_EQ(m_engine.g_nLevel, 3);
    EXPECT_EQ(Converse("START 15\nINFO level 1\nINFO timeout_turn 1000\nINFO\nEND\n"), "OK\n");
    EXPECT_EQ(m_engine.g_nLevel, 1);
    // INFO is never answered: values out of range are ignored.
    EXPECT_EQ(Converse("INFO LEVEL 2\nINFO level 3\nINFO level 4\nINFO level 0\nINFO level\nINFO level x\nEND\n"), "");
    EXPECT_EQ(m_engine.g_nLevel, 3);
}

} // namespace
