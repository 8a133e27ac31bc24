#pragma once

#include "notebook/storage/NoteFolderWatcher.h"
#include "notebook/storage/NoteList.h"
#include "notebook/storage/PoemList.h"
#include "notebook/window/RuledEdit.h"
#include "platform/Dialog.h"
#include "shell/tern/CoolButton.h"
#include "shell/tern/MemSurface.h"

#include <QFont>

// The notebook: an open book filling the 800 by 480 screen. The right-hand
// page holds the ruled editor under the note's caption, the left-hand page a
// picture over the page label. One note is one page; the text goes back into
// its note and file every 10 seconds, before every page change, before a
// handed-over file is opened and when the window is destroyed, whenever the
// person changed it. Every save, every page shown and every 10-second tick
// also brings the page in step with a file another program changed, and the
// pages follow the note files other programs add, remove or rename (a sync
// engine keeping the notes of several devices in step).
class CNoteBookDlg : public CDialog {
    Q_OBJECT

public:
    // clock: the local time that new notes are named and titled after;
    // random: the source that deals the page pictures.
    explicit CNoteBookDlg(CNoteList::Clock clock = {}, CPoemList::RandomSource random = {}, QWidget* parent = nullptr);
    ~CNoteBookDlg() override;

    // Makes note number index the current page, its text read from its file
    // where it is not in memory and then held by the editor alone; nothing
    // for an invalid index.
    void ShowPage(int index);
    // Copies the editor's text, when the person changed it, into the current
    // note and brings the note in step with its file (CNoteList::SyncNote).
    // While the text is not where it belongs, the page says so in one line.
    void SaveCurrentNote();
    // SaveCurrentNote for a page the person leaves for good (the program
    // closes, the session ends): text that still cannot be saved goes to a
    // recovery note (CNoteList::LeaveNote).
    void LeaveCurrentNote();
    // Fetches the skin's images anew and redraws the window, current page included.
    void ReloadSkin();
    // Opens every text file handed over (see HandOff.h), each as a new last
    // page, and shows the last one opened; true when a page was opened.
    bool OpenRequestedNote();

    int GetPage() const { return m_nPage; }
    const CNoteList& GetNotes() const { return m_notes; }
    CRuledEdit& GetEdit() { return m_edit; }

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool OnCommand(int id) override;
    void OnDestroy() override;
    void OnPaint(QPainter& dc) override;
    void OnTimer(UINT_PTR id) override;
    LRESULT OnShellMessage(WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(MSG* msg) override;

private:
    static void DrawPageFrame(QPainter& dc);
    void DrawPageTexts(const CNote& note);
    // The save status line of the current page, or its background alone.
    void DrawStatusLine();
    void TakeEditorText();
    void FollowNotesFolder();
    void OnNext();
    void OnPrev();
    void OnClear();
    void OnInput();
    void MoveCaretToEnd();

    CRuledEdit m_edit;
    CCoolButton m_btnClear;
    CCoolButton m_btnInput;
    CCoolButton m_btnPrev;
    CCoolButton m_btnNext;
    CCoolButton m_btnClose;
    int m_nPage = -1;
    CMemSurface m_surfPage;
    CMemSurface m_surfTitle;
    QFont m_fontPage;
    QFont m_fontEdit;
    QFont m_fontStatus;
    // The window image under the status line, without it.
    QImage m_imgStatusBackground;
    // The status line shown, empty when none.
    QString m_strStatus;
    CNoteList m_notes;
    CNoteFolderWatcher m_folderWatcher;
    CPoemList m_poems;
    // The line break the current note's text is written with.
    QString m_strLineBreak;
    // The editor's text as shown, where it differs from the note's text (a
    // lone "\r" shows as a line break): a page that reads so is not changed.
    // Null where the editor shows the text as stored; the note then compares
    // the editor's text, read only once its document says it changed, with
    // its file's.
    QString m_strShownText;
};
