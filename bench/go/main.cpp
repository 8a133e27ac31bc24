// How fast the game window answers. For whole games against a simple player
// (the engine at the Easy level playing the person's side) it prints the
// median time from a tap to the computer's stone being painted: the person's
// stone painted, the computer's move chosen and its stone painted. It also
// prints the median of one full-window paint. Target: a tap is answered
// within 16 ms, one frame at 60 Hz.
#include "go/window/GoDlg.h"
#include "platform/testsupport/DialogDriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kGames = 5;
constexpr int kFullPaints = 100;

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Milliseconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// The person's next point: what the engine would play for white at Easy.
GoPoint PersonsChoice(const CGoDlg& dlg, unsigned game)
{
    CGoEngine person([game] { return game; }, [](std::uint32_t seed) { return seed * 7919u + 1u; });
    person.m_board = dlg.m_board;
    person.g_nLevel = 1;
    return person.ChooseComputerMove(0);
}

struct GameFigures {
    std::vector<double> answerMs;
    std::vector<double> settledMs;
    int steps = 0;
};

// One game the computer opens; every tap is timed until the game ends.
void PlayGame(unsigned game, GameFigures& figures)
{
    CGoDlg dlg;
    Drive(dlg).Create();
    Drive(dlg).FireTimer(CGoDlg::kOpeningTimer);
    Drive(dlg).Render();
    while (!dlg.m_bGameOver) {
        const GoPoint point = PersonsChoice(dlg, game);
        const QPoint pixel = CBoardGeometry().CellCentre({ point.x, point.y });
        QElapsedTimer timer;
        timer.start();
        Drive(dlg).TapAt(pixel);
        figures.answerMs.push_back(Milliseconds(timer));
        dlg.UpdateWindow();
        figures.settledMs.push_back(Milliseconds(timer));
    }
    figures.steps += dlg.g_nStep;
}

double MedianFullPaint()
{
    CGoDlg dlg;
    Drive(dlg).Create();
    Drive(dlg).FireTimer(CGoDlg::kOpeningTimer);
    std::vector<double> paints;
    for (int i = 0; i < kFullPaints; ++i) {
        dlg.Invalidate(false);
        QElapsedTimer timer;
        timer.start();
        dlg.UpdateWindow();
        paints.push_back(Milliseconds(timer));
    }
    return Median(paints);
}

} // namespace

int main(int argc, char* argv[])
{
    // Headless and away from the user's settings and running programs.
    QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    qputenv("ORVA_ROOT", (home.path() + QStringLiteral("/root")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    QApplication application(argc, argv);

    GameFigures figures;
    for (unsigned game = 0; game < kGames; ++game)
        PlayGame(game, figures);

    std::printf("bench-go: %d games, %zu taps, %d stones\n", kGames, figures.answerMs.size(), figures.steps);
    std::printf("tap to the computer's stone painted: median %.3f ms, slowest %.3f ms (target 16 ms)\n",
        Median(figures.answerMs), *std::max_element(figures.answerMs.begin(), figures.answerMs.end()));
    std::printf("tap to the whole window settled:     median %.3f ms\n", Median(figures.settledMs));
    std::printf("one full-window paint:               median %.3f ms\n", MedianFullPaint());
    return 0;
}
