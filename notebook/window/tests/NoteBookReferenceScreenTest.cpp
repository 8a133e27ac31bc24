// The notebook as a person sees it, compared with the reference screens in
// screens/.
#include "notebook/window/tests/NoteBookFixture.h"
#include "platform/testsupport/ReferenceScreen.h"

#include <gtest/gtest.h>

namespace {

using ReferenceScreenNoteBook = NoteBookTest;

// Latin, Turkish and Chinese lines on the rules, one of them wrapped, under a
// caption in all three scripts, with the caret at the end; in English and in
// Chinese.
TEST_F(ReferenceScreenNoteBook, PageOfMixedScripts)
{
    WriteNote(QStringLiteral("mixed.note"), QStringLiteral("Ağaç 树 tree"),
        QStringLiteral("Shopping list: bread, milk, eggs\n"
                       "Türkçe: Iğdır'da ılık bir çay içtik, şöyle güzel.\n"
                       "中文：今天天气很好，我们去公园散步。\n"
                       "A long line wraps at the edge of the page: İstanbul, 北京 and Zürich all together.\n"
                       "Last line"));
    for (const auto& [language, name] : { std::pair { "0", "en" }, std::pair { "1", "zh" } }) {
        SetShellSetting(QStringLiteral("language"), QLatin1String(language));
        Start();
        EXPECT_TRUE(MatchesReferenceScreen(
            Screen(), QStringLiteral("notebook/window/tests/screens/mixed-scripts-%1.png").arg(QLatin1String(name))));
        m_dlg.reset();
    }
}

// A page whose text could not be saved says so under the editor; a caption
// too long for its box loses its middle; an emoji shows as its colour picture.
TEST_F(ReferenceScreenNoteBook, PageWhoseSaveFailed)
{
    const QString file
        = WriteOutsideFile(QStringLiteral("Minutes of the long meeting about the garden and the budget.txt"), "milk");
    WriteHandOff(DevicePathFromHostPath(file));
    Start();
    QDir(QFileInfo(file).path()).removeRecursively();
    Type(u", eggs 😀"_qs);
    Tick();
    EXPECT_TRUE(MatchesReferenceScreen(Screen(), QStringLiteral("notebook/window/tests/screens/save-failed.png")));
}

} // namespace
