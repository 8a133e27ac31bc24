#include "notebook/testsupport/LoopbackNamespace.h"
#include "notebook/testsupport/NoteBookPeer.h"
#include "notebook/testsupport/SyncthingPair.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The whole test, in its namespace: Syncthing needs a few seconds to connect
// and about one to pass each change on.
constexpr int kTestMs = 240000;
constexpr int kStepMs = 90000;

// A page as notebook-peer lists it: "[*]<caption>\t<text>".
QString TextOf(const QString& page)
{
    return page.section(u'\t', 1);
}

// Asks for the pages until they show what is wanted, ticking the notebook
// as its 10-second timer would; false when they do not in time.
bool WaitForPages(NoteBookPeer& peer, const std::function<bool(const QStringList&)>& wanted)
{
    const QDeadlineTimer deadline(kStepMs);
    while (!deadline.hasExpired()) {
        peer.Ask(QStringLiteral("tick"));
        if (wanted(peer.Ask(QStringLiteral("pages"))))
            return true;
        QThread::msleep(250);
    }
    return false;
}

bool HasText(const QStringList& pages, const QString& text)
{
    return std::any_of(pages.begin(), pages.end(), [&](const QString& page) { return TextOf(page) == text; });
}

// Pages back or forth to the page that holds text.
void ShowPageWithText(NoteBookPeer& peer, const QString& text)
{
    for (int step = 0; step < 10; ++step) {
        const QStringList pages = peer.Ask(QStringLiteral("pages"));
        const auto shown
            = std::find_if(pages.begin(), pages.end(), [](const QString& page) { return page.startsWith(u'*'); });
        const auto wanted
            = std::find_if(pages.begin(), pages.end(), [&](const QString& page) { return TextOf(page) == text; });
        if (shown == wanted)
            return;
        peer.Ask(wanted < shown ? QStringLiteral("prev") : QStringLiteral("next"));
    }
    FAIL() << "no page shows " << text.toStdString();
}

QString ShownText(NoteBookPeer& peer)
{
    for (const QString& page : peer.Ask(QStringLiteral("pages"))) {
        if (page.startsWith(u'*'))
            return TextOf(page);
    }
    return {};
}

void NoteTypedOnOneIsAPageOnTheOtherAndEditsMadeAtOnceBothSurvive()
{
    QTemporaryDir work;
    NoteBookPeer desk;
    NoteBookPeer board;
    ASSERT_TRUE(desk.Start(QStringLiteral(NOTEBOOK_PEER), work.filePath(QStringLiteral("desk"))));
    ASSERT_TRUE(board.Start(QStringLiteral(NOTEBOOK_PEER), work.filePath(QStringLiteral("board"))));
    SyncthingPair syncthing;
    const QString error = syncthing.Start(work.path(), { desk.NotesFolder(), board.NotesFolder() });
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    desk.Ask(QStringLiteral("type Shopping: milk"));
    desk.Ask(QStringLiteral("tick"));
    ASSERT_TRUE(
        WaitForPages(board, [](const QStringList& pages) { return HasText(pages, QStringLiteral("Shopping: milk")); }))
        << "the note typed on the desk is no page on the board\n"
        << syncthing.LogTails().toStdString();

    ShowPageWithText(board, QStringLiteral("Shopping: milk"));
    desk.Ask(QStringLiteral("type , eggs"));
    board.Ask(QStringLiteral("type bread, "));
    const QString deskText = ShownText(desk);
    const QString boardText = ShownText(board);
    desk.Ask(QStringLiteral("tick"));
    board.Ask(QStringLiteral("tick"));
    EXPECT_NE(deskText, boardText);
    for (NoteBookPeer* peer : { &desk, &board }) {
        EXPECT_TRUE(WaitForPages(*peer,
            [&](const QStringList& pages) {
                const bool copyShown = std::any_of(pages.begin(), pages.end(),
                    [](const QString& page) { return page.contains(QStringLiteral("Conflict copy: ")); });
                return copyShown && HasText(pages, deskText) && HasText(pages, boardText);
            }))
            << "both texts, one as a conflict copy, on " << peer->NotesFolder().toStdString() << ":\n"
            << peer->Ask(QStringLiteral("pages")).join(u'\n').toStdString() << syncthing.LogTails().toStdString();
    }
}

TEST(SyncTwoDevices, ANoteTypedOnOneIsAPageOnTheOtherAndEditsMadeAtOnceBothSurvive)
{
    if (IsInLoopbackNamespace()) {
        const QString error = BringUpLoopback();
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        NoteTypedOnOneIsAPageOnTheOtherAndEditsMadeAtOnceBothSurvive();
        return;
    }
    // Syncthing never runs outside a namespace of its own.
    if (const QString why = WhyNoLoopbackNamespace(); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    const testing::TestInfo& test = *testing::UnitTest::GetInstance()->current_test_info();
    const QString filter = QStringLiteral("--gtest_filter=%1.%2")
                               .arg(QString::fromLatin1(test.test_suite_name()), QString::fromLatin1(test.name()));
    EXPECT_EQ(RunInLoopbackNamespace({ filter }, kTestMs), 0);
}

} // namespace
