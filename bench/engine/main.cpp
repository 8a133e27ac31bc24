#include "bench/engine/BenchPositions.h"
#include "go/engine/GoEngine.h"

#include <benchmark/benchmark.h>

#include <string>

// Times ChooseComputerMove, with the real tick count and random source, for
// the side to move in each fixed position at each level; prints microseconds
// per move (see the median of the repetitions).
namespace {

void ChooseMove(benchmark::State& state, GoBoard board, int stones)
{
    CGoEngine engine;
    engine.m_board = board;
    engine.g_nLevel = static_cast<int>(state.range(0));
    const int color = stones % 2 == 0 ? 1 : 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.ChooseComputerMove(color));
}

void Register(const std::string& name, const GoBoard& board)
{
    int stones = 0;
    for (const std::int8_t code : board)
        stones += code != kGoEmpty;
    benchmark::RegisterBenchmark(("ChooseComputerMove/" + name + "/" + std::to_string(stones) + "stones/level").c_str(),
        ChooseMove, board, stones)
        ->DenseRange(1, 3)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Register("OneStone", OpeningPosition());
    Register("MiddleGame", MiddleGamePosition());
    Register("LateGame", LateGamePosition());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
