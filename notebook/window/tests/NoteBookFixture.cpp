#include "notebook/window/tests/NoteBookFixture.h"

#include "notebook/storage/ArchivedString.h"
#include "notebook/storage/Note.h"
#include "notebook/window/NoteBookFonts.h"
#include "platform/Drawing.h"
#include "platform/testsupport/TouchScreen.h"

#include <QAbstractButton>
#include <QPainter>

void NoteBookTest::SetUp()
{
    ShellEnvironment::SetUp();
    // Text that no note file takes goes to a recovery folder under it.
    qputenv("XDG_DATA_HOME", (m_dir.path() + QStringLiteral("/data")).toUtf8());
    SetShellSetting(QStringLiteral("note_path"), QString::fromUtf16(kNotesFolder));
    SetShellSetting(QStringLiteral("language"), QStringLiteral("0"));
}

CNoteBookDlg& NoteBookTest::Start()
{
    // The pictures are dealt in the order they were found.
    m_dlg = std::make_unique<CNoteBookDlg>(&NoteBookTest::Now, [] { return 0; });
    m_active = m_dlg.get();
    Drive(*m_dlg).Create();
    m_dlg->activateWindow();
    ProcessEvents();
    return *m_dlg;
}

CNoteBookDlg& NoteBookTest::StartWithThreeNotes()
{
    WriteNote(QStringLiteral("c.note"), QStringLiteral("C third"), QStringLiteral("three"));
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A first"), QStringLiteral("one"));
    WriteNote(QStringLiteral("b.note"), QStringLiteral("B second"), QStringLiteral("two"));
    return Start();
}

QString NoteBookTest::WriteOutsideFile(const QString& fileName, const QByteArray& bytes)
{
    const QString path = m_dir.path() + QStringLiteral("/outside/") + fileName;
    WriteHostFile(path, bytes);
    return path;
}

QString NoteBookTest::SavedText(const QString& fileName) const
{
    CNote note;
    EXPECT_TRUE(note.Load(QString::fromUtf16(kNotesFolder) + u'\\' + fileName, true)) << fileName.toStdString();
    return note.m_strText;
}

QByteArray NoteBookTest::ArchivedStrings(const QStringList& strings)
{
    QByteArray bytes;
    for (const QString& string : strings)
        AppendArchivedString(bytes, string);
    return bytes;
}

void NoteBookTest::TapKey(const QString& key)
{
    QAbstractButton* found = nullptr;
    for (QAbstractButton* button : m_active->findChildren<QAbstractButton*>()) {
        if (button->parentWidget() != m_active && button->isVisible()
            && (button->objectName() == key || button->text() == key))
            found = button;
    }
    ASSERT_NE(found, nullptr) << "no key " << key.toStdString();
    TouchAt(m_active, found->mapTo(m_active, found->rect().center()));
}

void NoteBookTest::TypeOnKeyboard(const QString& text)
{
    for (const QChar letter : text) {
        if (letter.isUpper())
            TapKey(QStringLiteral("shift"));
        if (letter == u'\n')
            TapKey(QStringLiteral("enter"));
        else
            TapKey(letter == u' ' ? QStringLiteral("space") : QString(letter));
    }
}

QImage NoteBookTest::Screen()
{
    ProcessEvents();
    return Drive(*m_active).Render().convertToFormat(QImage::Format_RGB32);
}

::testing::AssertionResult NoteBookTest::ShowsPageText(const QRect& rect, const QString& text)
{
    QImage expected(rect.size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter dc(&expected);
        dc.setFont(FontFromLogFont(rect == kStatus ? StatusFontDescription() : PageFontDescription()));
        dc.setPen(QColor(158, 11, 14));
        DrawText(dc, text, QRect(QPoint(0, 0), rect.size()), DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
    }
    // Where a button lies over the rectangle, the button shows.
    QImage shown = Screen().copy(rect);
    for (const QWidget* control : m_active->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isVisible())
            continue;
        const QRect covered = control->geometry().intersected(rect).translated(-rect.topLeft());
        for (QImage* image : { &shown, &expected })
            QPainter(image).fillRect(covered, Qt::black);
    }
    if (shown == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the screen at (" << rect.x() << ", " << rect.y() << ") does not show \""
                                         << text.toStdString() << "\"";
}
