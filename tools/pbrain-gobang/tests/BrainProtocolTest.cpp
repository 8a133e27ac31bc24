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

TEST_F(BrainProtocolTest, StartsOnlyA15By15Board)
{
    EXPECT_EQ(Converse("START 15\nEND\nBEGIN\n"), "OK\n") << "END ends at once";
    EXPECT_EQ(m_status, 0);
    EXPECT_EQ(Converse("START 20\nSTART\nSTART x\nRECTSTART 15,15\nRECTSTART 15,20\nEND\n"),
        "ERROR only 15 by 15 boards are supported\n"
        "ERROR START needs the board size\n"
        "ERROR START needs the board size\n"
        "OK\n"
        "ERROR only 15 by 15 boards are supported\n");
}

TEST_F(BrainProtocolTest, GameCommandsWaitForStart)
{
    const std::string refusal = "ERROR no game: send START 15 first\n";
    EXPECT_EQ(Converse("BEGIN\nTURN 7,7\nBOARD\nTAKEBACK 7,7\nRESTART\nEND\n"),
        refusal + refusal + refusal + refusal + refusal);
}

TEST_F(BrainProtocolTest, BeginsOnTheCentre)
{
    EXPECT_EQ(Converse("START 15\nBEGIN\nEND\n"), "OK\n7,7\n");
    EXPECT_EQ(m_engine.StoneAt(7, 7), kGoBlack);
    EXPECT_EQ(m_engine.g_nStep, 1);
}

TEST_F(BrainProtocolTest, AnswersATurnAndKeepsBothStones)
{
    EXPECT_EQ(Converse("START 15\nTURN 7,7\nEND\n"), "OK\n8,8\n");
    EXPECT_EQ(m_engine.StoneAt(7, 7), kGoWhite);
    EXPECT_EQ(m_engine.StoneAt(8, 8), kGoBlack);
    EXPECT_EQ(m_engine.g_nStep, 2);
}

TEST_F(BrainProtocolTest, PlaysAtHardUnlessToldOtherwise)
{
    Converse("START 15\nEND\n");
    EXPECT_EQ(m_engine.g_nLevel, 3);
    EXPECT_EQ(Converse("START 15\nINFO level 1\nINFO timeout_turn 1000\nINFO\nEND\n"), "OK\n");
    EXPECT_EQ(m_engine.g_nLevel, 1);
    EXPECT_EQ(Converse("INFO level 4\nINFO level\nINFO LEVEL 2\nEND\n"),
        "ERROR level must be 1, 2 or 3\nERROR level must be 1, 2 or 3\n");
    EXPECT_EQ(m_engine.g_nLevel, 2);
}

TEST_F(BrainProtocolTest, CompletesItsFiveFromABoard)
{
    const std::string board = "BOARD\n3,7,1\n4,7,1\n5,7,1\n6,7,1\n3,9,2\n4,9,2\n5,9,2\n6,9,2\nDONE\n";
    EXPECT_EQ(Converse("START 15\n" + board + "END\n"), "OK\n7,7\n");
    EXPECT_EQ(m_engine.g_nStep, 9);
}

TEST_F(BrainProtocolTest, BoardReplacesTheWholePosition)
{
    EXPECT_EQ(Converse("START 15\nTURN 0,0\nBOARD\n7,7,2\nDONE\nEND\n"), "OK\n1,1\n8,8\n");
    EXPECT_EQ(m_engine.StoneAt(0, 0), kGoEmpty);
    EXPECT_EQ(m_engine.StoneAt(1, 1), kGoEmpty);
    EXPECT_EQ(m_engine.g_nStep, 2);
}

TEST_F(BrainProtocolTest, LeavesOutBadBoardLines)
{
    EXPECT_EQ(Converse("START 15\nBOARD\n7,7\n7,7,3\n15,7,1\nx,y,1\n7,7,2\n7,7,1\nDONE\nEND\n"),
        "OK\n"
        "ERROR BOARD lines are x,y,field\n"
        "ERROR field must be 1 (own stone) or 2 (opponent's stone)\n"
        "ERROR point 15,7 is off the board\n"
        "ERROR BOARD lines are x,y,field\n"
        "ERROR point 7,7 is occupied\n"
        "8,8\n");
    EXPECT_EQ(m_engine.StoneAt(7, 7), kGoWhite);
}

TEST_F(BrainProtocolTest, EndsInsideABoard)
{
    EXPECT_EQ(Converse("START 15\nBOARD\n7,7,2\nEND\nTURN 1,1\n"), "OK\n");
    EXPECT_EQ(m_status, 0);
    EXPECT_EQ(Converse("START 15\nBOARD\n7,7,2\n"), "OK\nERROR end of input before DONE\n");
    EXPECT_EQ(m_status, 1);
}

TEST_F(BrainProtocolTest, TakesBackAnyStone)
{
    EXPECT_EQ(Converse("START 15\nTURN 7,7\nTAKEBACK 8,8\nTAKEBACK 7,7\nTAKEBACK 7,7\nEND\n"),
        "OK\n8,8\nOK\nOK\nERROR point 7,7 is empty\n");
    EXPECT_EQ(m_engine.g_nStep, 0);
}

TEST_F(BrainProtocolTest, RestartEmptiesTheBoard)
{
    EXPECT_EQ(Converse("START 15\nBEGIN\nRESTART\nBEGIN\nEND\n"), "OK\n7,7\nOK\n7,7\n");
    EXPECT_EQ(m_engine.g_nStep, 1);
}

TEST_F(BrainProtocolTest, BeginNeedsAnEmptyBoard)
{
    EXPECT_EQ(Converse("START 15\nTURN 3,3\nBEGIN\nEND\n"), "OK\n4,4\nERROR BEGIN needs an empty board\n");
}

TEST_F(BrainProtocolTest, RefusesBadPoints)
{
    EXPECT_EQ(Converse("START 15\nTURN 15,0\nTURN -1,3\nTURN a,b\nTURN 7\nTURN 7,7,7\nTURN 99999999999,1\nTURN\n"
                       "TAKEBACK 0,15\nEND\n"),
        "OK\n"
        "ERROR point 15,0 is off the board\n"
        "ERROR point -1,3 is off the board\n"
        "ERROR expected a point x,y\n"
        "ERROR expected a point x,y\n"
        "ERROR expected a point x,y\n"
        "ERROR expected a point x,y\n"
        "ERROR expected a point x,y\n"
        "ERROR point 0,15 is off the board\n");
    EXPECT_EQ(m_engine.g_nStep, 0);
}

TEST_F(BrainProtocolTest, RefusesAnOccupiedPoint)
{
    EXPECT_EQ(Converse("START 15\nTURN 7,7\nTURN 7,7\nTURN 8,8\nEND\n"),
        "OK\n8,8\nERROR point 7,7 is occupied\nERROR point 8,8 is occupied\n");
    EXPECT_EQ(m_engine.g_nStep, 2);
}

TEST_F(BrainProtocolTest, SaysSoWhenTheBoardIsFull)
{
    std::string board = "BOARD\n";
    for (int x = 0; x < kGoBoardSize; ++x) {
        for (int y = 0; y < kGoBoardSize; ++y)
            board += std::to_string(x) + "," + std::to_string(y) + "," + ((x / 2 + y) % 2 ? "1" : "2") + "\n";
    }
    EXPECT_EQ(Converse("START 15\n" + board + "DONE\nTAKEBACK 14,14\nTURN 14,14\nEND\n"),
        "OK\nERROR the board is full\nOK\nERROR the board is full\n");
}

TEST_F(BrainProtocolTest, AnswersEveryOtherLine)
{
    const std::string longLine(5000, 'A');
    EXPECT_EQ(Converse("ABOUT\nPLAY 1,1\n\n  \n" + longLine + "\nstart 15\r\nbegin\r\nEND\r\n"),
        "name=\"pbrain-gobang\", version=\"" ORVA_VERSION "\", author=\"Orva\"\n"
        "UNKNOWN command PLAY\n"
        "ERROR line too long\n"
        "OK\n"
        "7,7\n");
}

TEST_F(BrainProtocolTest, ReportsTheEndOfInput)
{
    EXPECT_EQ(Converse("START 15\nBEGIN"), "OK\n7,7\nERROR end of input before END\n");
    EXPECT_EQ(m_status, 1);
    EXPECT_EQ(Converse(""), "ERROR end of input before END\n");
}

} // namespace
