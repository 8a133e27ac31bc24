// The notebook as a person sees it, compared with the reference screens in
// screens/.
#include "notebook/window/NoteBookResource.h"
#include "notebook/window/tests/NoteBookFixture.h"
#include "platform/testsupport/ReferenceScreen.h"

#include <gtest/gtest.h>

namespace {

using ReferenceScreenNoteBook = NoteBookTest;

constexpr std::pair<const char*, const char*> kLanguages[] = { { "0", "en" }, { "1", "zh" } };

QString Reference(const char* scene, const char* variant)
{
    return QStringLiteral("notebook/window/tests/screens/%1-%2.png").arg(QLatin1String(scene), QLatin1String(variant));
}

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
    for (const auto& [language, name] : kLanguages) {
        SetShellSetting(QStringLiteral("language"), QLatin1String(language));
        Start();
        EXPECT_TRUE(MatchesReferenceScreen(Screen(), Reference("mixed-scripts", name)));
        m_dlg.reset();
    }
}

// The soft keyboard over an empty page in each of its layouts: English,
// Turkish with Shift down (capitals İ and I), pinyin, and pinyin composing
// "nihao", underlined at the caret, with its candidates in the bar.
TEST_F(ReferenceScreenNoteBook, SoftKeyboardInEachLayout)
{
    const struct {
        const char* language;
        const char* taps;
        const char* name;
    } cases[] = {
        { "0", "", "en" },
        { "6", "shift", "tr-shift" },
        { "1", "", "zh" },
        { "1", "n i h a o", "zh-nihao" },
    };
    for (const auto& c : cases) {
        SetShellSetting(QStringLiteral("language"), QLatin1String(c.language));
        Start();
        Drive(*m_dlg).FireTimer(IDT_CARET_TO_END);
        Drive(*m_dlg).TapAt(m_dlg->GetDlgItem(IDC_BTN_INPUT)->geometry().center());
        for (const QString& key : QString::fromUtf8(c.taps).split(u' ', Qt::SkipEmptyParts))
            TapKey(key);
        EXPECT_TRUE(MatchesReferenceScreen(Screen(), Reference("keyboard", c.name)));
        m_dlg.reset();
    }
}

// A handed-over file whose folder went away: the page keeps the text and
// says why under the editor; a caption too long for its box loses its middle;
// an emoji shows as its colour picture. On a skin of tinted paper with a
// title larger than its box, every box the page fills or cuts shows its edges.
TEST_F(ReferenceScreenNoteBook, PageWhoseSaveFailed)
{
    const struct {
        const char* language;
        const char* skin;
        const char* name;
    } cases[] = { { "0", "", "en" }, { "1", "", "zh" }, { "0", "Tinted", "en-tinted" } };
    for (const auto& c : cases) {
        for (const char* folder : { "/outside", "/moved" })
            QDir(m_dir.path() + QLatin1String(folder)).removeRecursively();
        QDir(NotesHostFolder()).removeRecursively();
        SetShellSetting(QStringLiteral("language"), QLatin1String(c.language));
        if (*c.skin) {
            const QString skin = HostPath(QStringLiteral("\\Orva\\Skins\\") + QLatin1String(c.skin));
            QImage page(800, 480, QImage::Format_RGB32);
            page.fill(qRgb(250, 236, 200));
            QImage title(200, 40, QImage::Format_RGB32);
            title.fill(qRgb(70, 120, 90));
            ASSERT_TRUE(QDir().mkpath(skin) && page.save(skin + QStringLiteral("/NOTEBOOK.png"))
                && title.save(skin + QStringLiteral("/NOTE_TITLE.png")));
            SetShellSetting(QStringLiteral("skin"), QLatin1String(c.skin));
        }
        const QString file = WriteOutsideFile(
            QStringLiteral("Minutes of the long meeting about the garden and the budget.txt"), "milk");
        WriteHandOff(DevicePathFromHostPath(file));
        Start();
        Drive(*m_dlg).FireTimer(IDT_CARET_TO_END);
        ASSERT_TRUE(QDir().rename(QFileInfo(file).path(), m_dir.path() + QStringLiteral("/moved")));
        Type(u", eggs 😀"_qs);
        Tick();
        EXPECT_TRUE(MatchesReferenceScreen(Screen(), Reference("save-failed", c.name)));
        m_dlg.reset();
    }
}

} // namespace
