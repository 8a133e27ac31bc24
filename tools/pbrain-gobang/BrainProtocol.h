#pragma once

#include "go/engine/GoEngine.h"
#include "tools/pbrain-gobang/LineReader.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

// The brain side of the Gomocup protocol over a pair of streams: the manager
// sends commands, one a line, and the engine answers with its moves as
// "x,y" (coordinates from 0), "OK", "ERROR reason" or "UNKNOWN reason".
// Every reply is flushed at once.
class CBrainProtocol {
public:
    CBrainProtocol(CGoEngine& engine, std::istream& in, std::ostream& out);

    // Serves commands until END (exit status 0) or the end of the input
    // (status 1, after an ERROR line).
    int Run();

private:
    enum class Next { Continue, End, InputEnded };

    Next Handle(const std::string& line);
    void Start(std::string_view arguments);
    void RectStart(std::string_view arguments);
    void StartGame(int width, int height);
    void Begin();
    void Turn(std::string_view arguments);
    Next Board();
    void AddBoardStone(std::string_view line);
    void TakeBack(std::string_view arguments);
    void Info(std::string_view arguments);
    void Restart();
    void About();

    bool RequireGame();
    bool ParsePoint(std::string_view text, GoPoint& point);
    bool IsEmptyPoint(const GoPoint& point);
    void Put(const GoPoint& point, std::int8_t code);
    void PlayOwnMove();
    void Reply(std::string_view text);
    void Error(std::string_view reason);

    CGoEngine& m_engine;
    CLineReader m_reader;
    std::ostream& m_out;
    bool m_started = false;
};
