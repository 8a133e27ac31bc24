#pragma once

#include "platform/DialogTemplate.h"
#include "platform/Message.h"
#include "platform/PaintRecord.h"
#include "platform/VirtualKey.h"
#include "platform/WindowTimers.h"

#include <QDialog>
#include <QImage>
#include <QRegion>

#include <map>
#include <span>

class QEventLoop;
class QPainter;

// Where the latest Z-order call put the window.
enum class ZPlace { Unchanged, Bottom, Top };

// The base of the programs' main dialogs: a frameless window whose controls
// come from a template table and are bound to members by id, with handlers
// named after the messages they handle. How to build one: platform/README.md.
//
// Life: the constructor builds nothing on screen. DoModal runs
// OnInitDialog, whose base binds the controls through DoDataExchange, then
// shows the window; EndDialog ends the run with a result; the window is then
// destroyed (OnDestroy, timers killed, hidden) while the object lives on.
class CDialog : public QDialog {
    Q_OBJECT

public:
    explicit CDialog(std::span<const DialogControl> controls, QWidget* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog until EndDialog or the quit message; returns the result
    // (-1 after the quit message). The window is destroyed on return.
    int DoModal();
    // Ends the modal run with result; without one, destroys the window at once.
    // Windows with their own loops that are open over it (help, message boxes)
    // close first, so that the run ends at once.
    void EndDialog(int result);
    void DestroyWindow();
    bool IsWindow() const { return m_state == State::Created; }

    // The widget bound to a template id, or nullptr.
    QWidget* GetDlgItem(int id) const;

    // Window timers: OnTimer(id) every periodMs; 0 = at the next idle moment.
    UINT_PTR SetTimer(UINT_PTR id, unsigned periodMs);
    bool KillTimer(UINT_PTR id);

    // Marks client areas for the next paint; with erase, OnEraseBkgnd runs
    // over the whole update region first. UpdateWindow paints what is marked
    // now. Every call is recorded in the paint record.
    void Invalidate(bool erase = true);
    void InvalidateRect(const QRect& rect, bool erase = true);
    void UpdateWindow();

    // Window placement; the caption is plain Qt (setWindowTitle), and so are
    // show(), mapToGlobal() (client to screen) and mapFromGlobal().
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    void SendToBottom();
    // Both keep a window with its own loop (help, a message box) over this
    // one, where the person left it.
    void BringWindowToTop();
    void SetForegroundWindow();

    // Sees every key-down of the dialog and its controls before it is
    // dispatched (WM_KEYDOWN, virtual key in wParam, target in hwnd); true
    // eats the message. The base does the framework's part: Escape raises
    // IDCANCEL, Enter raises IDOK unless a multi-line editor has the focus.
    virtual bool PreTranslateMessage(MSG* msg);

protected:
    // Bind members here with BindControl; runs inside the base OnInitDialog.
    virtual void DoDataExchange();
    // Parents control to the dialog and gives it the template's text, visibility
    // and enabled state; a button's click raises OnCommand(id). False when the id
    // is not in the template.
    bool BindControl(int id, QWidget& control);

    virtual bool OnInitDialog();
    // Commands: the base maps IDOK to OnOK and IDCANCEL to OnCancel. Return
    // true when handled.
    virtual bool OnCommand(int id);
    virtual void OnOK();
    virtual void OnCancel();
    // The window's close request; the base runs OnCancel.
    virtual void OnClose();
    virtual void OnDestroy();
    // dc draws on the window, clipped to the update region.
    virtual void OnPaint(QPainter& dc);
    // The base fills with the window colour; return true when erased.
    virtual bool OnEraseBkgnd(QPainter& dc);
    virtual void OnLButtonDown(unsigned flags, QPoint point);
    virtual void OnLButtonUp(unsigned flags, QPoint point);
    // Sent when the pointer moves or presses over the dialog or a control;
    // return true when the handler set the pointer shape, else it is the arrow.
    virtual bool OnSetCursor();
    virtual void OnTimer(UINT_PTR id);
    // The shell message (0x053F); the result goes back to the sender.
    virtual LRESULT OnShellMessage(WPARAM wParam, LPARAM lParam);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

public slots:
    void accept() override;
    void reject() override;

private:
    enum class State { Constructed, Created, Destroyed };

    // Initialises and shows the dialog: the first half of DoModal.
    void Create();

    friend void PostQuitMessage(int exitCode);
    // Tests drive the real handlers through it (platform/testsupport).
    friend class DialogDriver;
    static void EndModalRunsForQuit();

    void WaitUntilExposed();
    const DialogControl* FindControl(int id) const;
    bool IsFirstKeyTarget(const QWidget* receiver) const;
    void UpdatePointerShape();
    void RaiseModalWindow(bool activate);

    std::span<const DialogControl> m_template;
    std::map<int, QWidget*> m_controls;
    State m_state = State::Constructed;
    bool m_modal = false;
    bool m_ended = false;
    int m_result = 0;
    QEventLoop* m_modalLoop = nullptr;
    WindowTimers m_timers { *this };
    QRegion m_pendingRegion;
    QRegion m_eraseRegion;
    PaintRecord m_paintRecord;
    ZPlace m_zPlace = ZPlace::Unchanged;
};

// Ends every running modal dialog (DoModal returns -1) once the event queue
// reaches it; a quit posted while none runs ends the next one at its start.
void PostQuitMessage(int exitCode);
// The exit code of the latest quit message.
int QuitExitCode();

// Invalidates rect of window: recorded when window is a CDialog.
void InvalidateRect(QWidget* window, const QRect& rect, bool erase);
