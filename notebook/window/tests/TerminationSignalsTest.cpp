#include "notebook/window/TerminationSignals.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <csignal>

namespace {

class TerminationSignalsTest : public testing::TestWithParam<int> { };

std::vector<int> RaiseAndCollect(CTerminationSignals& termination, int signalNumber)
{
    std::vector<int> received;
    QObject::connect(&termination, &CTerminationSignals::Received,
                     [&received](int number) { received.push_back(number); });
    ::raise(signalNumber);
    for (int round = 0; round < 100 && received.empty(); ++round)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return received;
}

TEST_P(TerminationSignalsTest, ArrivesOnTheEventLoopInsteadOfEndingTheProcess)
{
    CTerminationSignals termination;
    EXPECT_EQ(RaiseAndCollect(termination, GetParam()), std::vector<int> { GetParam() });
}

TEST_P(TerminationSignalsTest, PutsThePreviousHandlerBack)
{
    const auto previous = std::signal(GetParam(), SIG_IGN);
    {
        CTerminationSignals termination;
    }
    EXPECT_EQ(std::signal(GetParam(), previous), SIG_IGN);
}

INSTANTIATE_TEST_SUITE_P(EachSignal, TerminationSignalsTest, testing::Values(SIGTERM, SIGINT, SIGHUP));

} // namespace
