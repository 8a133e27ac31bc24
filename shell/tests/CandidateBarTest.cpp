#include "shell/CandidateBar.h"

#include <QAbstractButton>
#include <gtest/gtest.h>
#include <vector>

namespace {

QStringList ShownCandidates(const CandidateBar& bar)
{
    QStringList texts;
    for (const QAbstractButton* key : bar.findChildren<QAbstractButton*>(QStringLiteral("candidate"))) {
        if (!key->isHidden())
            texts.append(key->text());
    }
    return texts;
}

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
    const QString wide(100, u'w');
    bar.SetCandidates(30, [&](int index) { return index == 24 ? wide : QString::number(index); });
    const struct {
        QAbstractButton* tap;
        int first;
        int end;
    } steps[] = {{nullptr, 0, 12}, {forward, 12, 24}, {forward, 24, 25}, {forward, 25, 30}, {forward, 25, 30},
        {back, 24, 25}, {back, 12, 24}, {back, 0, 12}, {back, 0, 12}, {forward, 12, 24}};
    for (const auto& step : steps) {
        if (step.tap)
            step.tap->click();
        EXPECT_EQ(bar.FirstShown(), step.first);
        EXPECT_EQ(bar.EndShown(), step.end);
        EXPECT_EQ(ShownCandidates(bar).size(), step.end - step.first);
        EXPECT_EQ(back->isEnabled(), step.first > 0) << step.first;
        EXPECT_EQ(forward->isEnabled(), step.end < 30) << step.first;
    }
    EXPECT_EQ(bar.findChildren<QAbstractButton*>(QStringLiteral("candidate")).at(0)->geometry(), QRect(66, 6, 52, 32))
        << "beside the back key, as high as the bar within its margins";
    std::vector<int> chosen;
    QObject::connect(&bar, &CandidateBar::Chosen, [&](int index) { chosen.push_back(index); });
    bar.findChildren<QAbstractButton*>(QStringLiteral("candidate")).at(1)->click();
    EXPECT_EQ(chosen, std::vector<int>{13});
    bar.SetCandidates(0, {});
    EXPECT_TRUE(ShownCandidates(bar).isEmpty());
    EXPECT_FALSE(back->isEnabled() || forward->isEnabled());
}

} // namespace
