#include "shell/ProgramSkeleton.h"
#include "platform/Dialog.h"

#include <QString>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <utility>

namespace {

// The codes by the numbers other programs send: 1 brings the window forward,
// and so does 28 where the program takes hand-offs; the rest ignore it.
TEST(ShellMessageSwitch, RunsWhatEachCodeAsks)
{
    QString calls;
    const ShellCommandHandlers handlers { [&] { calls += u'q'; }, [&] { calls += u'a'; }, [&] { calls += u'o'; } };
    const ShellCommandHandlers withoutHandOffs { handlers.quit, handlers.appearanceChanged, {} };
    const std::tuple<WPARAM, const ShellCommandHandlers*, const char*, bool> cases[] = { { 1, &handlers, "", true },
        { 2, &handlers, "q", false }, { 3, &handlers, "a", false }, { 4, &handlers, "a", false },
        { 28, &handlers, "o", true }, { 28, &withoutHandOffs, "", false }, { 5, &handlers, "", false } };
    for (const auto& [code, programHandlers, expected, forward] : cases) {
        CDialog window({});
        calls.clear();
        EXPECT_EQ(HandleShellMessage(window, code, *programHandlers), 0);
        EXPECT_EQ(std::pair(calls.toStdString(), window.isVisible()), std::pair(std::string(expected), forward))
            << code;
    }
}

} // namespace
