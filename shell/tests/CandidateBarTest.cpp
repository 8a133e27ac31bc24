#include "shell/CandidateBar.h"

#include <QAbstractButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// As many candidates as fit stand between the page keys, the first of a page
// even when it is wider than the bar; ◀ and ▶ page through the rest and stop
// at either end, and a tap chooses a candidate by its place among them all.
TEST(CandidateBarTest, PagesThroughWhatDoesNotFitAndChoosesByIndex)
{
    QWidget window;
    CandidateBar bar(&window);
    bar.setGeometry(0, 0, 800, CandidateBar::kHeight);
    window.show();
    auto* back = bar.findChild<QAbstractButton*>(QStringLiteral("candidatesBack"));
    auto* forward = bar.findChild<QAbstractButton*>(QStringLiteral("candidatesForward"));
    const QList<QAbstractButton*> keys = bar.findChildren<QAbstractButton*>(QStringLiteral("candidate"));
    const auto shown
        = [&] { return std::ranges::count_if(keys, [](const QAbstractButton* key) { return !key->isHidden(); }); };
    bar.SetCandidates(30, [](int index) { return index == 24 ? QString(100, u'w') : QString::number(index); });
    // Each tap, and the first and end of the candidates it shows.
    const std::tuple<QAbstractButton*, int, int> steps[]
        = { { nullptr, 0, 12 }, { forward, 12, 24 }, { forward, 24, 25 }, { forward, 25, 30 }, { forward, 25, 30 },
              { back, 24, 25 }, { back, 12, 24 }, { back, 0, 12 }, { back, 0, 12 }, { forward, 12, 24 } };
    for (const auto& [tap, first, end] : steps) {
        if (tap)
            tap->click();
        EXPECT_EQ(std::tuple(bar.FirstShown(), bar.EndShown(), shown()), std::tuple(first, end, end - first));
        EXPECT_EQ(std::pair(back->isEnabled(), forward->isEnabled()), std::pair(first > 0, end < 30)) << first;
    }
    EXPECT_EQ(keys.at(0)->geometry(), QRect(66, 6, 52, 32))
        << "beside the back key, as high as the bar within its margins";
    int chosen = -1;
    QObject::connect(&bar, &CandidateBar::Chosen, [&](int index) { chosen = index; });
    keys.at(1)->click();
    EXPECT_EQ(chosen, 13);
    bar.SetCandidates(0, {});
    EXPECT_EQ(shown(), 0);
    EXPECT_FALSE(back->isEnabled() || forward->isEnabled());
}

} // namespace
