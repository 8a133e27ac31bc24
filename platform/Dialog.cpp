#include "platform/Dialog.h"

#include "platform/ControlBinding.h"
#include "platform/Cursor.h"
#include "platform/ShellMessage.h"
#include "platform/VirtualKey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr unsigned MK_LBUTTON = 0x0001;

} // namespace

CDialog::CDialog(std::span<const DialogControl> controls, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_template(controls)
{
    // Areas not invalidated keep what the window showed, as on the device.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

QWidget* CDialog::GetDlgItem(int id) const
{
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

UINT_PTR CDialog::SetTimer(UINT_PTR id, unsigned periodMs)
{
    if (m_state != State::Created)
        return 0;
    m_timers.Set(id, periodMs);
    return m_timers.IsActive(id) ? id : 0;
}

bool CDialog::KillTimer(UINT_PTR id)
{
    return m_timers.Kill(id);
}

void CDialog::Invalidate(bool erase)
{
    InvalidateRect(rect(), erase);
}

void CDialog::InvalidateRect(const QRect& rect, bool erase)
{
    m_paintRecord.AddInvalidation(rect, erase);
    const QRect area = rect & this->rect();
    if (area.isEmpty())
        return;
    m_pendingRegion += area;
    if (erase)
        m_eraseRegion += area;
    update(area);
}

void CDialog::UpdateWindow()
{
    if (!m_pendingRegion.isEmpty() && isVisible())
        repaint(m_pendingRegion);
}

void CDialog::MoveWindow(int x, int y, int width, int height, bool repaint)
{
    setGeometry(x, y, width, height);
    if (repaint)
        Invalidate(true);
}

void CDialog::SendToBottom()
{
    lower();
    m_zPlace = ZPlace::Bottom;
}

void CDialog::BringWindowToTop()
{
    raise();
    RaiseModalWindow(false);
    m_zPlace = ZPlace::Top;
}

void CDialog::SetForegroundWindow()
{
    raise();
    activateWindow();
    RaiseModalWindow(true);
    m_zPlace = ZPlace::Top;
}

void CDialog::RaiseModalWindow(bool activate)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == this)
        return;
    modal->raise();
    if (activate)
        modal->activateWindow();
}

bool CDialog::PreTranslateMessage(MSG* msg)
{
    if (msg->message != WM_KEYDOWN)
        return false;
    if (msg->wParam == WPARAM(VK_ESCAPE)) {
        OnCommand(IDCANCEL);
        return true;
    }
    if (msg->wParam == WPARAM(VK_RETURN) && !IsMultiLineEditor(msg->hwnd)) {
        OnCommand(IDOK);
        return true;
    }
    return false;
}

void CDialog::DoDataExchange()
{
}

bool CDialog::BindControl(int id, QWidget& control)
{
    const DialogControl* entry = FindControl(id);
    if (!entry || !ControlMatchesClass(control, entry->controlClass)) {
        qWarning("CDialog: control %d is not in the template as this class", id);
        return false;
    }
    control.setParent(this);
    SetControlText(control, QString::fromUtf16(entry->text));
    control.setEnabled(!(entry->style & WS_DISABLED));
    control.setVisible(entry->style & WS_VISIBLE);
    control.setMouseTracking(true);
    if (auto* button = qobject_cast<QAbstractButton*>(&control))
        connect(button, &QAbstractButton::clicked, this, [this, id] { OnCommand(id); });
    m_controls[id] = &control;
    return true;
}

bool CDialog::OnInitDialog()
{
    DoDataExchange();
    return true;
}

bool CDialog::OnCommand(int id)
{
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::OnClose()
{
    OnCancel();
}

void CDialog::OnDestroy()
{
}

void CDialog::OnPaint(QPainter&)
{
}

bool CDialog::OnEraseBkgnd(QPainter& dc)
{
    dc.fillRect(rect(), palette().window());
    return true;
}

void CDialog::OnLButtonDown(unsigned, QPoint)
{
}

void CDialog::OnLButtonUp(unsigned, QPoint)
{
}

bool CDialog::OnSetCursor()
{
    return false;
}

void CDialog::OnTimer(UINT_PTR)
{
}

LRESULT CDialog::OnShellMessage(WPARAM, LPARAM)
{
    return 0;
}

bool CDialog::event(QEvent* event)
{
    if (event->type() == ShellMessageEvent::EventType()) {
        // A destroyed window has no handler left: the message is dropped.
        if (m_state == State::Created)
            OnShellMessage(static_cast<ShellMessageEvent*>(event)->WParam(), 0);
        return true;
    }
    return QDialog::event(event);
}

bool CDialog::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || m_state != State::Created || (widget != this && !isAncestorOf(widget)))
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        if (!IsFirstKeyTarget(widget))
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        MSG msg = KeyDownMessage(widget, key->key(), key->modifiers(), key->isAutoRepeat());
        if (PreTranslateMessage(&msg)) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
        // The dialog's own pointer events arrive through mouse*Event; its
        // controls' are seen here, as the window system asks the parent first.
        if (widget != this)
            UpdatePointerShape();
        return false;
    default: return false;
    }
}

void CDialog::paintEvent(QPaintEvent* event)
{
    const QRegion region = event->region();
    // Areas the window system exposes are erased, as are all invalidated with
    // erase; Windows erases the whole update region if any part asks for it.
    const bool erase = region.intersects(m_eraseRegion) || !(region - m_pendingRegion).isEmpty();
    m_pendingRegion -= region;
    m_eraseRegion -= region;
    QPainter painter(this);
    if (erase) {
        painter.save();
        OnEraseBkgnd(painter);
        painter.restore();
    }
    OnPaint(painter);
    m_paintRecord.AddPaint(region);
}

void CDialog::keyPressEvent(QKeyEvent* event)
{
    // Enter and Escape were handled in PreTranslateMessage, as the framework does.
    event->ignore();
}

void CDialog::mousePressEvent(QMouseEvent* event)
{
    UpdatePointerShape();
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(MK_LBUTTON, event->position().toPoint());
}

void CDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonUp(0, event->position().toPoint());
}

void CDialog::mouseMoveEvent(QMouseEvent*)
{
    UpdatePointerShape();
}

void CDialog::timerEvent(QTimerEvent* event)
{
    if (const auto id = m_timers.IdOfQtTimer(event->timerId()))
        OnTimer(*id);
    else
        QDialog::timerEvent(event);
}

void CDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (m_state == State::Created)
        OnClose();
}

void CDialog::accept()
{
    OnCommand(IDOK);
}

void CDialog::reject()
{
    OnCommand(IDCANCEL);
}

const DialogControl* CDialog::FindControl(int id) const
{
    const auto found = std::find_if(
        m_template.begin(), m_template.end(), [id](const DialogControl& control) { return control.id == id; });
    return found == m_template.end() ? nullptr : &*found;
}

bool CDialog::IsFirstKeyTarget(const QWidget* receiver) const
{
    // A key goes first to the focused control and then, while ignored, up to
    // its parents: those later steps are the same message and are not seen again.
    const QWidget* focus = focusWidget();
    const QWidget* first = focus ? focus : this;
    return receiver == first || !receiver->isAncestorOf(first);
}

void CDialog::UpdatePointerShape()
{
    if (!OnSetCursor())
        SetCursor(QCursor(Qt::ArrowCursor));
}

void InvalidateRect(QWidget* window, const QRect& rect, bool erase)
{
    if (auto* dialog = qobject_cast<CDialog*>(window))
        dialog->InvalidateRect(rect, erase);
    else if (window)
        window->update(rect);
}
