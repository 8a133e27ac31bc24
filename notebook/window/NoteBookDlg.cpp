#include "notebook/window/NoteBookDlg.h"

#include "notebook/storage/HandOff.h"
#include "notebook/storage/LocalText.h"
#include "notebook/storage/SyncConflict.h"
#include "notebook/window/NoteBookFonts.h"
#include "notebook/window/NoteBookResource.h"
#include "notebook/window/NoteLineBreaks.h"
#include "platform/Cursor.h"
#include "platform/Drawing.h"
#include "platform/Rect.h"
#include "platform/VirtualKey.h"
#include "platform/device/DeviceFiles.h"
#include "platform/device/DevicePath.h"
#include "shell/OrvaCore.h"
#include "shell/OrvaSkins.h"
#include "shell/ProgramSkeleton.h"
#include "shell/Screen.h"
#include "shell/Wren.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// Template 102: the editor and the five buttons, in the template's order.
constexpr DialogControl kNoteBookTemplate[] = {
    { IDC_NOTE_EDIT, ControlClass::Edit, u"", 0x50201044 },
    { IDC_BTN_CLOSE, ControlClass::Button, u"Close", 0x50000000 },
    { IDC_BTN_PREV, ControlClass::Button, u"Prev", 0x50000000 },
    { IDC_BTN_CLEAR, ControlClass::Button, u"Clear", 0x50000000 },
    { IDC_BTN_INPUT, ControlClass::Button, u"Input", 0x50000000 },
    { IDC_BTN_NEXT, ControlClass::Button, u"Next", 0x50000000 },
};

constexpr COLORREF kInk = RGB(158, 11, 14);
constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr unsigned kPageTextFormat = DT_SINGLELINE | DT_RIGHT | DT_BOTTOM;

constexpr RECT kTitleRect { 36, 36, 228, 72 };
constexpr RECT kCaptionRect { 430, 58, 730, 75 };
constexpr RECT kPictureRect { 40, 82, 340, 408 };
constexpr RECT kLabelRect { 210, 412, 340, 430 };
constexpr RECT kEditRect { 440, 87, 740, 395 };
// Between the editor and the page's lower rule.
constexpr RECT kStatusRect { 440, 396, 740, 410 };
constexpr QLine kFrameRules[] = {
    { 40, 80, 340, 80 },
    { 440, 80, 740, 80 },
    { 40, 410, 340, 410 },
    { 440, 410, 740, 410 },
};

// The window image when the skin has no background, so that the page still
// shows its texts and frame.
QImage BlankPage()
{
    QImage page(kScreenSize.width(), kScreenSize.height(), QImage::Format_RGB32);
    page.fill(ColorFromColorRef(kPaper));
    return page;
}

} // namespace

CNoteBookDlg::CNoteBookDlg(CNoteList::Clock clock, CPoemList::RandomSource random, QWidget* parent)
    : CDialog(kNoteBookTemplate, parent)
    , m_fontPage(FontFromLogFont(PageFontDescription()))
    , m_fontEdit(FontFromLogFont(EditFontDescription()))
    , m_fontStatus(FontFromLogFont(StatusFontDescription()))
    , m_notes(std::move(clock))
    , m_poems(std::move(random))
{
}

CNoteBookDlg::~CNoteBookDlg() = default;

void CNoteBookDlg::DoDataExchange()
{
    BindControl(IDC_NOTE_EDIT, m_edit);
    BindControl(IDC_BTN_CLOSE, m_btnClose);
    BindControl(IDC_BTN_PREV, m_btnPrev);
    BindControl(IDC_BTN_CLEAR, m_btnClear);
    BindControl(IDC_BTN_INPUT, m_btnInput);
    BindControl(IDC_BTN_NEXT, m_btnNext);
}

bool CNoteBookDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    setWindowTitle(QStringLiteral("NOTE"));
    COrvaCore::SetAppMainWnd(kNoteBookAppId, this);
    ShowCursor(false);
    m_surfPage.Create(this);
    m_surfTitle.Create(this);

    m_btnClose.SetPosition(615, 30);
    m_btnPrev.SetPosition(40, 412);
    m_btnNext.SetPosition(650, 412);
    m_btnInput.SetPosition(540, 412);
    m_btnClear.SetPosition(480, 412);
    m_edit.setGeometry(QRectFromRect(kEditRect));
    m_edit.setFont(m_fontEdit);

    m_notes.InitFolder();
    // The whole path, not just its last level: where the parent is missing
    // (the default "\NAND Flash\Note" on a fresh machine), the notes could
    // otherwise never be saved.
    CreateDeviceDirectories(m_notes.GetFolder());
    // Watched before it is read, so that no note that comes meanwhile is missed.
    m_folderWatcher.Watch(HostPathFromDevicePath(m_notes.GetFolder()));
    connect(&m_folderWatcher, &CNoteFolderWatcher::Changed, this,
        [this] { SetTimer(IDT_FOLDER_CHANGED, kFolderSettleMs); });
    int count = m_notes.LoadFolder(m_notes.GetFolder());
    if (count < 1) {
        m_notes.AddNew();
        count = 1;
    }
    ReloadSkin();
    m_poems.Load(QStringLiteral("Poem"));
    // Shown before its first page, so that the editor takes its width while
    // it is empty: a width first given to a text lays out every line of it,
    // and keeps each line's layout (250 MB for a file of 46 MB).
    MoveWindow(0, 0, kScreenSize.width(), kScreenSize.height(), true);
    show();
    if (!OpenRequestedNote())
        ShowPage(count - 1);

    SetTimer(IDT_AUTOSAVE, kAutoSavePeriodMs);
    SetTimer(IDT_CARET_TO_END, 0);
    return true;
}

void CNoteBookDlg::ReloadSkin()
{
    QImage background = COrvaSkins::LoadBitmapW(u"NOTEBOOK", 0);
    m_surfPage.LoadBitmapW(background.isNull() ? BlankPage() : std::move(background));
    m_btnNext.LoadBitmaps(COrvaSkins::LoadBitmapW(u"NOTE_NEXTPAGE", 1));
    m_btnPrev.LoadBitmaps(COrvaSkins::LoadBitmapW(u"NOTE_PREVPAGE", 1));
    m_btnClear.LoadBitmaps(COrvaSkins::LoadBitmapW(u"NOTE_CLEAR", 1));
    m_btnClose.LoadBitmaps(COrvaSkins::LoadBitmapW(u"NOTE_CLOSE", 1));
    m_btnInput.LoadBitmaps(COrvaSkins::LoadBitmapW(u"NOTE_INPUT", 1));
    m_surfTitle.LoadBitmapW(COrvaSkins::LoadBitmapW(u"NOTE_TITLE", 1));
    {
        QPainter dc(m_surfPage.GetDC());
        const QRect title = QRectFromRect(kTitleRect);
        CopyImage(dc, title.x(), title.y(), title.width(), title.height(), *m_surfTitle.GetDC());
        DrawPageFrame(dc);
    }
    m_imgStatusBackground = m_surfPage.GetDC()->copy(QRectFromRect(kStatusRect));
    // The page is redrawn on the new background; the editor keeps its text,
    // which may hold changes not yet saved.
    if (const CNote* note = m_notes.GetAt(m_nPage))
        DrawPageTexts(*note);
    Invalidate(false);
}

void CNoteBookDlg::DrawPageFrame(QPainter& dc)
{
    const QPen previous = dc.pen();
    dc.setPen(MakePen(PenStyle::Solid, 1, kInk));
    for (const QLine& rule : kFrameRules)
        DrawLine(dc, rule.p1(), rule.p2());
    dc.setPen(previous);
}

void CNoteBookDlg::ShowPage(int index)
{
    CNote* note = m_notes.GetAt(index);
    if (!note)
        return;
    // A page left with text that could not be saved leaves it in a recovery note.
    CNote* current = m_notes.GetAt(m_nPage);
    if (index != m_nPage && current && current->HasUnsavedText()) {
        m_notes.LeaveNote(m_nPage);
        current->UnloadText();
    }
    m_notes.SyncNote(index);
    note->LoadText();
    m_nPage = index;
    m_strLineBreak = LineBreakOfNote(*note);
    m_edit.setPlainText(note->m_strText);
    const QString shown = NoteTextFromDocument(*m_edit.document(), m_strLineBreak);
    m_strShownText = shown == note->m_strText ? QString() : shown;
    // Characters the editor cannot hold would be lost with the first save.
    if (!m_strShownText.isNull() && !note->IsReadWithLoss()
        && !EditorHoldsText(note->m_strText, m_strShownText, m_strLineBreak))
        note->MarkReadWithLoss();
    // From here the editor's document holds the page's text, once.
    note->UnloadText();
    DrawPageTexts(*note);
    Invalidate(false);
}

// Caption, picture and page label of the current page, on the window image.
void CNoteBookDlg::DrawPageTexts(const CNote& note)
{
    QPainter dc(m_surfPage.GetDC());
    dc.setFont(m_fontPage);
    dc.setPen(ColorFromColorRef(kInk));
    const QRect caption = QRectFromRect(kCaptionRect);
    FillRect(dc, caption, kPaper);
    DrawText(dc, PageCaption(note), caption, kPageTextFormat | DT_PATH_ELLIPSIS);

    if (const CPoemPicture* picture = m_poems.GetAt(m_nPage))
        picture->Draw(dc, QRectFromRect(kPictureRect));

    const QRect label = QRectFromRect(kLabelRect);
    FillRect(dc, label, kPaper);
    DrawText(dc, FormatPageLabel(m_nPage + 1, m_notes.GetCount()), label, kPageTextFormat);
    dc.end();
    DrawStatusLine();
}

void CNoteBookDlg::DrawStatusLine()
{
    const CNote* note = m_notes.GetAt(m_nPage);
    m_strStatus = note ? FormatSaveStatus(note->GetSaveProblem(), note->GetRedirection(),
                      note->m_strPath.mid(note->m_strPath.lastIndexOf(u'\\') + 1), COrvaSkins::GetLanguage())
                       : QString();
    QPainter dc(m_surfPage.GetDC());
    const QRect status = QRectFromRect(kStatusRect);
    CopyImage(dc, status.x(), status.y(), status.width(), status.height(), m_imgStatusBackground);
    if (m_strStatus.isEmpty())
        return;
    FillRect(dc, status, kPaper);
    dc.setFont(m_fontStatus);
    dc.setPen(ColorFromColorRef(kInk));
    const QString shown = QFontMetrics(m_fontStatus).elidedText(m_strStatus, Qt::ElideMiddle, status.width());
    DrawText(dc, shown, status, kPageTextFormat);
}

void CNoteBookDlg::SaveCurrentNote()
{
    TakeEditorText();
    CNote* note = m_notes.GetAt(m_nPage);
    if (!note)
        return;
    const SaveProblem problem = note->GetSaveProblem();
    const Redirection redirection = note->GetRedirection();
    const QString path = note->m_strPath;
    switch (m_notes.SyncNote(m_nPage)) {
    case CNoteList::Sync::Reloaded: ShowPage(m_nPage); break;
    case CNoteList::Sync::Moved:
        // A new caption, and maybe a page of the other program's version.
        DrawPageTexts(*note);
        Invalidate(false);
        break;
    case CNoteList::Sync::InStep:
    case CNoteList::Sync::Failed:
        // The status line is drawn again only when what it says changed: its
        // language comes from the settings file, too dear to read at every
        // tick (a language change draws the page anew).
        if (note->GetSaveProblem() != problem || note->GetRedirection() != redirection || note->m_strPath != path) {
            const QString status = m_strStatus;
            DrawStatusLine();
            if (m_strStatus != status)
                Invalidate(false);
        }
        break;
    }
    // The editor holds the text; the note keeps it only while it is not saved.
    note->UnloadText();
}

void CNoteBookDlg::TakeEditorText()
{
    CNote* note = m_notes.GetAt(m_nPage);
    // An untouched document is not copied or compared: the tick's work stays
    // the same whatever the size of the page.
    if (!note || !m_edit.document()->isModified())
        return;
    m_edit.document()->setModified(false);
    const QString text = NoteTextFromDocument(*m_edit.document(), m_strLineBreak);
    if (m_strShownText.isNull() || text != m_strShownText) {
        note->TakeEditedText(text);
        m_strShownText = QString();
    }
}

void CNoteBookDlg::LeaveCurrentNote()
{
    SaveCurrentNote();
    CNote* note = m_notes.GetAt(m_nPage);
    if (note && note->HasUnsavedText() && m_notes.LeaveNote(m_nPage) == CNoteList::Sync::Moved) {
        note->UnloadText();
        DrawPageTexts(*note);
        Invalidate(false);
    }
}

// The page shown stays shown, edits and all, wherever it moved; when its
// file went, a neighbour shows.
void CNoteBookDlg::FollowNotesFolder()
{
    if (!m_folderWatcher.TakeChange())
        return;
    // Edits not yet taken would not keep a page whose file went.
    TakeEditorText();
    const CNote* shown = m_notes.GetAt(m_nPage);
    if (!m_notes.UpdateFromFolder())
        return;
    if (m_notes.GetCount() == 0)
        m_notes.AddNew();
    const int index = m_notes.IndexOf(shown);
    if (index < 0) {
        ShowPage(std::min(m_nPage, m_notes.GetCount() - 1));
        return;
    }
    m_nPage = index;
    DrawPageTexts(*shown);
    Invalidate(false);
}

bool CNoteBookDlg::OpenRequestedNote()
{
    int shown = -1;
    for (const HandOff::Request& request : HandOff::TakePending()) {
        const int index = m_notes.AddFile(request.notePath);
        HandOff::Answer(request, index >= 0);
        if (index >= 0)
            shown = index;
    }
    if (shown < 0)
        return false;
    ShowPage(shown);
    m_edit.setFocus();
    return true;
}

void CNoteBookDlg::OnPaint(QPainter& dc)
{
    CopyImage(dc, 0, 0, kScreenSize.width(), kScreenSize.height(), *m_surfPage.GetDC());
}

bool CNoteBookDlg::OnCommand(int id)
{
    switch (id) {
    case IDC_BTN_NEXT: OnNext(); return true;
    case IDC_BTN_PREV: OnPrev(); return true;
    case IDC_BTN_CLEAR: OnClear(); return true;
    case IDC_BTN_INPUT: OnInput(); return true;
    case IDC_BTN_CLOSE: EndDialog(IDOK); return true;
    default: return CDialog::OnCommand(id);
    }
}

void CNoteBookDlg::OnNext()
{
    SaveCurrentNote();
    if (m_nPage != m_notes.GetCount() - 1) {
        ShowPage(m_nPage + 1);
    } else {
        if (!m_edit.document()->isEmpty())
            ShowPage(m_notes.AddNew());
    }
    m_edit.setFocus();
}

void CNoteBookDlg::OnPrev()
{
    SaveCurrentNote();
    ShowPage(m_nPage - 1);
    m_edit.setFocus();
}

// The note takes the empty text at its next save.
void CNoteBookDlg::OnClear()
{
    m_edit.setPlainText(QString());
    // Putting a text in resets the document's flag; this one is the person's change.
    m_edit.document()->setModified(true);
    m_edit.setFocus();
}

void CNoteBookDlg::OnInput()
{
    if (SipGetState() != SIP_HIDDEN)
        SipHideIM();
    else
        SipShowCorrectIM(COrvaSkins::GetLanguage());
    m_edit.setFocus();
}

void CNoteBookDlg::OnTimer(UINT_PTR id)
{
    if (id == IDT_AUTOSAVE) {
        FollowNotesFolder();
        SaveCurrentNote();
    } else if (id == IDT_FOLDER_CHANGED) {
        KillTimer(IDT_FOLDER_CHANGED);
        FollowNotesFolder();
    } else if (id == IDT_CARET_TO_END) {
        KillTimer(IDT_CARET_TO_END);
        MoveCaretToEnd();
    }
    CDialog::OnTimer(id);
}

void CNoteBookDlg::MoveCaretToEnd()
{
    m_edit.moveCursor(QTextCursor::End);
    m_edit.ensureCursorVisible();
    m_edit.setFocus();
}

void CNoteBookDlg::OnDestroy()
{
    SipHideIM();
    KillTimer(IDT_AUTOSAVE);
    KillTimer(IDT_FOLDER_CHANGED);
    LeaveCurrentNote();
    CDialog::OnDestroy();
}

bool CNoteBookDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_PRIOR)
        OnPrev();
    else if (msg->message == WM_KEYDOWN && msg->wParam == VK_NEXT)
        OnNext();
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CNoteBookDlg::OnShellMessage(WPARAM wParam, LPARAM)
{
    return HandleShellMessage(*this, wParam,
        {
            .quit = [this] { EndDialog(IDOK); },
            .appearanceChanged = [this] { ReloadSkin(); },
            .openNote =
                [this] {
                    SaveCurrentNote();
                    OpenRequestedNote();
                },
        });
}
