#include "go/engine/GoEngine.h"
#include "go/engine/tests/BoardTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(GoBoard, PointsAreStoredColumnByColumn)
{
    CGoEngine engine;
    engine.SetStone(3, 9, kGoBlack);
    engine.SetStone(9, 3, kGoWhite);
    EXPECT_EQ(engine.m_board[54], kGoBlack);
    EXPECT_EQ(engine.m_board[138], kGoWhite);
    EXPECT_EQ(engine.StoneAt(3, 9), kGoBlack);
}

TEST(GoEngine, ResetGameClearsTheGameButKeepsTheOptionsAndTheLatestPoints)
{
    CGoEngine engine;
    Place(engine.m_board, { { 7, 7 }, { 0, 0 }, { 14, 14 } }, kGoBlack);
    Place(engine.m_board, { { 3, 9 } }, kGoWhite);
    engine.m_lastColor = 1;
    engine.m_bGameOver = true;
    engine.m_bDraw = true;
    engine.m_bCanUndo = true;
    engine.g_nStep = 4;
    engine.m_rcPersonLast = { 156, 100, 180, 124 };
    engine.m_rcComputerLast = { 66, 10, 90, 34 };
    engine.g_nLevel = 3;
    engine.m_bPersonFirst = true;
    engine.g_bPersonFirst = true;
    engine.m_ptPersonLast = { 3, 9 };
    engine.m_ptComputerLast = { 0, 0 };
    engine.m_nLineResult = 0;

    engine.ResetGame();

    EXPECT_EQ(CountStones(engine.m_board), 0);
    EXPECT_EQ(engine.m_lastColor, 0);
    EXPECT_FALSE(engine.m_bGameOver);
    EXPECT_FALSE(engine.m_bDraw);
    EXPECT_FALSE(engine.m_bCanUndo);
    EXPECT_EQ(engine.g_nStep, 0);
    EXPECT_TRUE(engine.m_rcPersonLast.IsEmpty());
    EXPECT_TRUE(engine.m_rcComputerLast.IsEmpty());

    EXPECT_EQ(engine.g_nLevel, 3);
    EXPECT_TRUE(engine.m_bPersonFirst);
    EXPECT_TRUE(engine.g_bPersonFirst);
    EXPECT_EQ(engine.m_ptPersonLast, (GoPoint { 3, 9 }));
    EXPECT_EQ(engine.m_ptComputerLast, (GoPoint { 0, 0 }));
    EXPECT_EQ(engine.m_nLineResult, 0);
}

} // namespace
