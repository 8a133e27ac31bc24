#include "go/engine/tests/ReferencePatternClass.h"

#include <bit>
#include <cstdint>
#include <iterator>

namespace {

// What one ray from the point holds, walking away from it.
struct Ray {
    int run = 0;          // stones k next to the point
    bool open = false;    // the point after the run is empty
    int gapRun = 0;       // stones k after that empty point
    bool farOpen = false; // the point after the gap run is empty
};

Ray MeasureRay(const GoBoard& board, int x, int y, int dx, int dy, int k)
{
    Ray ray;
    int px = x + dx;
    int py = y + dy;
    while (IsOnGoBoard(px, py) && board[GoPointIndex(px, py)] == k) {
        ++ray.run;
        px += dx;
        py += dy;
    }
    if (!IsOnGoBoard(px, py) || board[GoPointIndex(px, py)] != kGoEmpty)
        return ray;
    ray.open = true;
    px += dx;
    py += dy;
    while (IsOnGoBoard(px, py) && board[GoPointIndex(px, py)] == k) {
        ++ray.gapRun;
        px += dx;
        py += dy;
    }
    ray.farOpen = IsOnGoBoard(px, py) && board[GoPointIndex(px, py)] == kGoEmpty;
    return ray;
}

// Each feature is a set of lines, one bit per line.
struct Features {
    unsigned five = 0;
    unsigned openFour = 0;
    unsigned four = 0;
    unsigned openThree = 0;
    unsigned three = 0;
    unsigned openTwo = 0;
    unsigned two = 0;
    unsigned openOne = 0;
    unsigned brokenFour = 0;
    unsigned brokenOpenThree = 0;
};

void AddLine(Features& features, unsigned line, const Ray& first, const Ray& second)
{
    const int length = first.run + second.run + 1;
    const bool bothOpen = first.open && second.open;
    const bool eitherOpen = first.open || second.open;
    // The broken line reaches over the gap of one ray: the one with the longer
    // gap run, the second on a tie.
    const bool extendFirst = first.gapRun > second.gapRun;
    const Ray& extended = extendFirst ? first : second;
    const Ray& other = extendFirst ? second : first;
    const int brokenLength = length + extended.gapRun;
    const bool brokenBothOpen = extended.farOpen && other.open;
    const bool brokenEitherOpen = extended.farOpen || other.open;

    if (length >= 5)
        features.five |= line;
    if (length == 4 && bothOpen)
        features.openFour |= line;
    if (length == 4 && eitherOpen)
        features.four |= line;
    if (length == 3 && bothOpen)
        features.openThree |= line;
    if (length == 3 && eitherOpen)
        features.three |= line;
    if (length == 2 && bothOpen)
        features.openTwo |= line;
    if (length == 2 && eitherOpen)
        features.two |= line;
    if (length == 1 && bothOpen)
        features.openOne |= line;
    if (brokenLength >= 4 && brokenEitherOpen)
        features.brokenFour |= line;
    if (brokenLength == 3 && brokenBothOpen)
        features.brokenOpenThree |= line;
}

// Some line has feature a and a different line has feature b.
bool OnTwoLines(unsigned a, unsigned b)
{
    if (a == 0 || b == 0)
        return false;
    return !(a == b && std::has_single_bit(a));
}

// Classes 1 to 14, or 0 when none of them holds.
int StrongClass(const Features& f)
{
    const unsigned anyFour = f.four | f.brokenFour;
    const unsigned anyOpenThree = f.openThree | f.brokenOpenThree;
    const bool conditions[] = {
        f.openFour != 0,
        OnTwoLines(anyFour, anyFour),
        OnTwoLines(anyFour, anyOpenThree),
        OnTwoLines(anyOpenThree, anyOpenThree),
        OnTwoLines(f.four, f.openTwo),
        OnTwoLines(f.four, f.three),
        OnTwoLines(f.four, f.openOne),
        OnTwoLines(f.four, f.two),
        f.four != 0,
        OnTwoLines(f.openThree, f.openTwo),
        OnTwoLines(f.openThree, f.three),
        OnTwoLines(f.openThree, f.openOne),
        OnTwoLines(f.openThree, f.two),
        f.openThree != 0,
    };
    for (int i = 0; i < static_cast<int>(std::size(conditions)); ++i) {
        if (conditions[i])
            return i + 1;
    }
    return 0;
}

int FallbackClass(const Features& f)
{
    if (f.openTwo)
        return 16;
    if (f.three)
        return 17;
    if (f.two)
        return 18;
    if (f.openOne)
        return 19;
    return 20;
}

bool Holds(const GoBoard& board, int x, int y, int code)
{
    return IsOnGoBoard(x, y) && board[GoPointIndex(x, y)] == code;
}

// The point is a corner of a three-by-three square whose two neighbouring
// corners and centre hold k and whose opposite corner is on the board and
// not the other colour's; no orthogonal neighbour may be the other colour's.
bool IsSquareCorner(const GoBoard& board, int x, int y, int k)
{
    const auto isOther = [&](int px, int py) {
        if (!IsOnGoBoard(px, py))
            return false;
        const int code = board[GoPointIndex(px, py)];
        return code != kGoEmpty && code != k;
    };
    if (isOther(x - 1, y) || isOther(x + 1, y) || isOther(x, y - 1) || isOther(x, y + 1))
        return false;
    static constexpr int kDirections[4][2] = { { 1, -1 }, { 1, 1 }, { -1, 1 }, { -1, -1 } };
    for (const auto& [sx, sy] : kDirections) {
        const int cornerX = x + 2 * sx;
        const int cornerY = y + 2 * sy;
        if (IsOnGoBoard(cornerX, cornerY) && !isOther(cornerX, cornerY)
            && Holds(board, x, y + 2 * sy, k) && Holds(board, x + sx, y + sy, k)
            && Holds(board, x + 2 * sx, y, k))
            return true;
    }
    return false;
}

} // namespace

int ReferencePatternClass(const GoBoard& board, int x, int y, int k)
{
    // Each line as its first and second ray's step.
    static constexpr int kLines[4][2] = { { -1, 0 }, { 0, -1 }, { -1, 1 }, { -1, -1 } };
    Features features;
    for (unsigned line = 0; line < 4; ++line) {
        const int dx = kLines[line][0];
        const int dy = kLines[line][1];
        AddLine(features, 1u << line, MeasureRay(board, x, y, dx, dy, k), MeasureRay(board, x, y, -dx, -dy, k));
    }
    if (features.five)
        return 0;
    if (const int strong = StrongClass(features))
        return strong;
    if (IsSquareCorner(board, x, y, k))
        return 15;
    return FallbackClass(features);
}
