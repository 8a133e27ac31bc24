#include "go/engine/PatternClass.h"

#include <array>

namespace {

constexpr std::int8_t kOffBoard = 3;

// What one ray from the point holds, walking away from it.
struct Ray {
    std::int8_t run = 0;    // stones k next to the point
    bool open = false;      // the point after the run is empty
    std::int8_t gapRun = 0; // stones k after that empty point
    bool farOpen = false;   // the point after the gap run is empty

    friend constexpr bool operator==(const Ray&, const Ray&) = default;
};

struct Rays {
    Ray white;
    Ray black;

    friend constexpr bool operator==(const Rays&, const Rays&) = default;
};

// The rays of both colours from the point in one walk: a ray can hold a run
// of one colour only, and so a gap run of one colour only.
constexpr Rays WalkRays(const std::int8_t* point, int step)
{
    Rays rays;
    const std::int8_t* cell = point + step;
    const std::int8_t first = *cell;
    if (first == kGoEmpty) {
        rays.white.open = rays.black.open = true;
        cell += step;
        const std::int8_t second = *cell;
        if (second == kGoEmpty) {
            rays.white.farOpen = rays.black.farOpen = true;
        } else if (second == kGoWhite || second == kGoBlack) {
            Ray& ray = second == kGoWhite ? rays.white : rays.black;
            while (*cell == second) {
                ++ray.gapRun;
                cell += step;
            }
            ray.farOpen = *cell == kGoEmpty;
        }
        return rays;
    }
    if (first != kGoWhite && first != kGoBlack)
        return rays;
    Ray& ray = first == kGoWhite ? rays.white : rays.black;
    while (*cell == first) {
        ++ray.run;
        cell += step;
    }
    if (*cell != kGoEmpty)
        return rays;
    ray.open = true;
    cell += step;
    while (*cell == first) {
        ++ray.gapRun;
        cell += step;
    }
    ray.farOpen = *cell == kGoEmpty;
    return rays;
}

// Most rays end within their first four cells. Those are looked up by the
// four cells' codes, two bits each, which spares the walk its
// hard-to-predict branches; a ray is complete when no cell beyond the fourth
// can change it.
struct RayTableEntry {
    Rays rays;
    bool complete = false;
};

constexpr int kTableCells = 4;

constexpr RayTableEntry RayEntry(unsigned code)
{
    RayTableEntry entry;
    for (std::int8_t beyond = kGoEmpty; beyond <= kOffBoard; ++beyond) {
        std::int8_t cells[16] = {};
        for (int i = 0; i < kTableCells; ++i)
            cells[1 + i] = static_cast<std::int8_t>((code >> (2 * i)) & 3);
        for (int i = 1 + kTableCells; i < 15; ++i)
            cells[i] = beyond;
        cells[15] = kOffBoard;
        const Rays rays = WalkRays(cells, 1);
        if (beyond == kGoEmpty)
            entry.rays = rays;
        else if (rays != entry.rays)
            return { entry.rays, false };
    }
    entry.complete = true;
    return entry;
}

constexpr auto kRayTable = [] {
    std::array<RayTableEntry, 1 << (2 * kTableCells)> table {};
    for (unsigned code = 0; code < table.size(); ++code)
        table[code] = RayEntry(code);
    return table;
}();

Rays MeasureRays(const std::int8_t* point, int step)
{
    const unsigned code
        = static_cast<unsigned>(point[step] | point[2 * step] << 2 | point[3 * step] << 4 | point[4 * step] << 6);
    const RayTableEntry& entry = kRayTable[code];
    return entry.complete ? entry.rays : WalkRays(point, step);
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
    const bool bothOpen = first.open && second.open;
    const bool eitherOpen = first.open || second.open;
    const int length = first.run + second.run + 1;
    switch (length) {
    case 1:
        if (bothOpen)
            features.openOne |= line;
        break;
    case 2:
        if (eitherOpen)
            features.two |= line;
        if (bothOpen)
            features.openTwo |= line;
        break;
    case 3:
        if (eitherOpen)
            features.three |= line;
        if (bothOpen)
            features.openThree |= line;
        break;
    case 4:
        if (eitherOpen)
            features.four |= line;
        if (bothOpen)
            features.openFour |= line;
        break;
    default: features.five |= line; break;
    }
    // The broken line reaches over the gap of one ray: the one with the longer
    // gap run, the second on a tie. Without a gap it adds nothing to the
    // plain four and open three it always comes with.
    const bool extendFirst = first.gapRun > second.gapRun;
    const Ray& extended = extendFirst ? first : second;
    const Ray& other = extendFirst ? second : first;
    if (extended.gapRun == 0)
        return;
    const int brokenLength = length + extended.gapRun;
    if (brokenLength >= 4 && (extended.farOpen || other.open))
        features.brokenFour |= line;
    if (brokenLength == 3 && extended.farOpen && other.open)
        features.brokenOpenThree |= line;
}

// Some line has feature a and a different line has feature b.
bool OnTwoLines(unsigned a, unsigned b)
{
    if (a == 0 || b == 0)
        return false;
    const bool singleLine = (a & (a - 1)) == 0;
    return !(a == b && singleLine);
}

// Classes 1 to 14 in their order of precedence, or 0 when none holds.
int StrongClass(const Features& f)
{
    const unsigned anyFour = f.four | f.brokenFour;
    const unsigned anyOpenThree = f.openThree | f.brokenOpenThree;
    if (f.openFour)
        return 1;
    if (OnTwoLines(anyFour, anyFour))
        return 2;
    if (OnTwoLines(anyFour, anyOpenThree))
        return 3;
    if (OnTwoLines(anyOpenThree, anyOpenThree))
        return 4;
    if (f.four) {
        if (OnTwoLines(f.four, f.openTwo))
            return 5;
        if (OnTwoLines(f.four, f.three))
            return 6;
        if (OnTwoLines(f.four, f.openOne))
            return 7;
        if (OnTwoLines(f.four, f.two))
            return 8;
        return 9;
    }
    if (f.openThree) {
        if (OnTwoLines(f.openThree, f.openTwo))
            return 10;
        if (OnTwoLines(f.openThree, f.three))
            return 11;
        if (OnTwoLines(f.openThree, f.openOne))
            return 12;
        if (OnTwoLines(f.openThree, f.two))
            return 13;
        return 14;
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
    return kNothingClass;
}

// The point is a corner of a three-by-three square whose two neighbouring
// corners and centre hold k and whose opposite corner is on the board and
// not the other colour's; no orthogonal neighbour may be the other colour's.
bool IsSquareCorner(const std::int8_t* point, int k)
{
    constexpr int side = CPatternBoard::kSide;
    const auto isOther = [k](std::int8_t code) { return code != kGoEmpty && code != k && code != kOffBoard; };
    const auto squareToward = [&](int sx, int sy) {
        const std::int8_t corner = point[2 * sx * side + 2 * sy];
        return point[sx * side + sy] == k && point[2 * sy] == k && point[2 * sx * side] == k && corner != kOffBoard
            && !isOther(corner);
    };
    if (!squareToward(1, -1) && !squareToward(1, 1) && !squareToward(-1, 1) && !squareToward(-1, -1))
        return false;
    return !isOther(point[-side]) && !isOther(point[side]) && !isOther(point[-1]) && !isOther(point[1]);
}

int Classify(const Features& features, const std::int8_t* point, int k)
{
    if (features.five)
        return kFiveClass;
    if (const int strong = StrongClass(features))
        return strong;
    if (IsSquareCorner(point, k))
        return kSquareClass;
    return FallbackClass(features);
}

} // namespace

CPatternBoard::CPatternBoard(const GoBoard& board)
{
    m_cells.fill(kOffBoard);
    for (int x = 0; x < kGoBoardSize; ++x) {
        for (int y = 0; y < kGoBoardSize; ++y) {
            const std::int8_t code = board[GoPointIndex(x, y)];
            const bool known = code == kGoEmpty || code == kGoWhite || code == kGoBlack;
            m_cells[CellIndex(x, y)] = known ? code : kOffBoard;
        }
    }
}

int CPatternBoard::PatternClass(int x, int y, int k) const
{
    return PatternClasses(x, y).For(k);
}

PointClasses CPatternBoard::PatternClasses(int x, int y) const
{
    // The first ray's step of each line: along x, along y, the rising and the
    // falling diagonal; the second ray steps the other way.
    static constexpr int kLineSteps[4] = { -kSide, -1, -kSide + 1, -kSide - 1 };
    const std::int8_t* point = &m_cells[CellIndex(x, y)];
    Features white;
    Features black;
    for (unsigned line = 0; line < 4; ++line) {
        const Rays first = MeasureRays(point, kLineSteps[line]);
        const Rays second = MeasureRays(point, -kLineSteps[line]);
        AddLine(white, 1u << line, first.white, second.white);
        AddLine(black, 1u << line, first.black, second.black);
    }
    return { Classify(white, point, kGoWhite), Classify(black, point, kGoBlack) };
}
