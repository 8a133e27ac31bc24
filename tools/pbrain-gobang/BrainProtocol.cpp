#include "tools/pbrain-gobang/BrainProtocol.h"

#include "tools/pbrain-gobang/NumberList.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

// The rating treats both colours alike, so the brain always plays one of
// them, whoever opened.
constexpr int kOwnColor = 1;
constexpr std::int8_t kOwnStone = GoStoneCode(kOwnColor);
constexpr std::int8_t kOpponentStone = GoStoneCode(1 - kOwnColor);

constexpr int kHardLevel = 3;

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    std::transform(
        upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

std::string_view TrimmedLeft(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string PointText(const GoPoint& point)
{
    return std::to_string(point.x) + "," + std::to_string(point.y);
}

} // namespace

CBrainProtocol::CBrainProtocol(CGoEngine& engine, std::istream& in, std::ostream& out)
    : m_engine(engine)
    , m_reader(in)
    , m_out(out)
{
    m_engine.g_nLevel = kHardLevel;
}

int CBrainProtocol::Run()
{
    Next next = Next::Continue;
    std::string line;
    while (next == Next::Continue) {
        switch (m_reader.ReadLine(line)) {
        case CLineReader::Result::EndOfInput:
            Error("end of input before END");
            next = Next::InputEnded;
            break;
        case CLineReader::Result::TooLong: Error("line too long"); break;
        case CLineReader::Result::Line: next = Handle(line); break;
        }
    }
    return next == Next::End ? 0 : 1;
}

CBrainProtocol::Next CBrainProtocol::Handle(const std::string& line)
{
    const std::string_view text = TrimmedLeft(line);
    if (text.empty())
        return Next::Continue;
    const auto space = text.find_first_of(" \t");
    const std::string command = UpperCase(text.substr(0, space));
    const std::string_view arguments
        = space == std::string_view::npos ? std::string_view() : TrimmedLeft(text.substr(space));

    if (command == "END")
        return Next::End;
    if (command == "BOARD")
        return RequireGame() ? Board() : Next::Continue;
    if (command == "START")
        Start(arguments);
    else if (command == "RECTSTART")
        RectStart(arguments);
    else if (command == "BEGIN")
        Begin();
    else if (command == "TURN")
        Turn(arguments);
    else if (command == "TAKEBACK")
        TakeBack(arguments);
    else if (command == "INFO")
        Info(arguments);
    else if (command == "RESTART")
        Restart();
    else if (command == "ABOUT")
        About();
    else
        Reply("UNKNOWN command " + command);
    return Next::Continue;
}

void CBrainProtocol::Start(std::string_view arguments)
{
    const auto size = ParseNumberList(arguments);
    if (!size || size->size() != 1)
        Error("START needs the board size");
    else
        StartGame((*size)[0], (*size)[0]);
}

void CBrainProtocol::RectStart(std::string_view arguments)
{
    const auto size = ParseNumberList(arguments);
    if (!size || size->size() != 2)
        Error("RECTSTART needs the width and the height");
    else
        StartGame((*size)[0], (*size)[1]);
}

void CBrainProtocol::StartGame(int width, int height)
{
    if (width != kGoBoardSize || height != kGoBoardSize) {
        Error("only 15 by 15 boards are supported");
        return;
    }
    m_engine.ResetGame();
    m_started = true;
    Reply("OK");
}

void CBrainProtocol::Begin()
{
    if (!RequireGame())
        return;
    if (m_engine.g_nStep != 0) {
        Error("BEGIN needs an empty board");
        return;
    }
    const GoPoint centre { kGoBoardSize / 2, kGoBoardSize / 2 };
    Put(centre, kOwnStone);
    Reply(PointText(centre));
}

void CBrainProtocol::Turn(std::string_view arguments)
{
    GoPoint point;
    if (!RequireGame() || !ParsePoint(arguments, point) || !IsEmptyPoint(point))
        return;
    Put(point, kOpponentStone);
    PlayOwnMove();
}

// Reads "x,y,field" lines up to DONE, field 1 for the brain's stones and 2 for
// the opponent's, then plays. A bad line is answered with ERROR and left out.
CBrainProtocol::Next CBrainProtocol::Board()
{
    m_engine.ResetGame();
    std::string line;
    while (true) {
        switch (m_reader.ReadLine(line)) {
        case CLineReader::Result::EndOfInput: Error("end of input before DONE"); return Next::InputEnded;
        case CLineReader::Result::TooLong: Error("line too long"); break;
        case CLineReader::Result::Line: {
            const std::string word = UpperCase(Trimmed(line));
            if (word == "DONE") {
                PlayOwnMove();
                return Next::Continue;
            }
            if (word == "END")
                return Next::End;
            AddBoardStone(line);
            break;
        }
        }
    }
}

void CBrainProtocol::AddBoardStone(std::string_view line)
{
    const auto numbers = ParseNumberList(line);
    if (!numbers || numbers->size() != 3) {
        Error("BOARD lines are x,y,field");
        return;
    }
    const GoPoint point { (*numbers)[0], (*numbers)[1] };
    const int field = (*numbers)[2];
    if (field != 1 && field != 2) {
        Error("field must be 1 (own stone) or 2 (opponent's stone)");
        return;
    }
    if (!IsOnGoBoard(point.x, point.y)) {
        Error("point " + PointText(point) + " is off the board");
        return;
    }
    if (IsEmptyPoint(point))
        Put(point, field == 1 ? kOwnStone : kOpponentStone);
}

void CBrainProtocol::TakeBack(std::string_view arguments)
{
    GoPoint point;
    if (!RequireGame() || !ParsePoint(arguments, point))
        return;
    if (m_engine.StoneAt(point.x, point.y) == kGoEmpty) {
        Error("point " + PointText(point) + " is empty");
        return;
    }
    Put(point, kGoEmpty);
    Reply("OK");
}

// Other keys (time limits, memory, rules) do not apply to this engine.
void CBrainProtocol::Info(std::string_view arguments)
{
    const auto space = arguments.find_first_of(" \t");
    if (UpperCase(arguments.substr(0, space)) != "LEVEL")
        return;
    // A manager takes any line as the answer to its next command: INFO is
    // never answered, and a level out of range is ignored as an unknown key is.
    const auto level = ParseNumberList(space == std::string_view::npos ? std::string_view() : arguments.substr(space));
    if (level && level->size() == 1 && (*level)[0] >= 1 && (*level)[0] <= 3)
        m_engine.g_nLevel = (*level)[0];
}

void CBrainProtocol::Restart()
{
    if (!RequireGame())
        return;
    m_engine.ResetGame();
    Reply("OK");
}

void CBrainProtocol::About()
{
    Reply("name=\"pbrain-gobang\", version=\"" ORVA_VERSION "\", author=\"Orva\"");
}

bool CBrainProtocol::RequireGame()
{
    if (!m_started)
        Error("no game: send START 15 first");
    return m_started;
}

bool CBrainProtocol::ParsePoint(std::string_view text, GoPoint& point)
{
    const auto numbers = ParseNumberList(text);
    if (!numbers || numbers->size() != 2) {
        Error("expected a point x,y");
        return false;
    }
    point = { (*numbers)[0], (*numbers)[1] };
    if (!IsOnGoBoard(point.x, point.y)) {
        Error("point " + PointText(point) + " is off the board");
        return false;
    }
    return true;
}

bool CBrainProtocol::IsEmptyPoint(const GoPoint& point)
{
    if (m_engine.StoneAt(point.x, point.y) == kGoEmpty)
        return true;
    Error("point " + PointText(point) + " is occupied");
    return false;
}

void CBrainProtocol::Put(const GoPoint& point, std::int8_t code)
{
    const bool wasEmpty = m_engine.StoneAt(point.x, point.y) == kGoEmpty;
    const bool isEmpty = code == kGoEmpty;
    m_engine.SetStone(point.x, point.y, code);
    if (wasEmpty && !isEmpty)
        ++m_engine.g_nStep;
    else if (!wasEmpty && isEmpty)
        --m_engine.g_nStep;
}

void CBrainProtocol::PlayOwnMove()
{
    const GoPoint move = m_engine.ChooseComputerMove(kOwnColor);
    if (move == kNoGoPoint) {
        Error("the board is full");
        return;
    }
    Put(move, kOwnStone);
    Reply(PointText(move));
}

void CBrainProtocol::Reply(std::string_view text)
{
    m_out << text << '\n';
    m_out.flush();
}

void CBrainProtocol::Error(std::string_view reason)
{
    Reply("ERROR " + std::string(reason));
}
