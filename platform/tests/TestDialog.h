#pragma once

#include "platform/Dialog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>
#include <functional>
#include <vector>

// Runs the event loop until done() holds; false if it has not within maxMs.
// The limit only keeps a broken test from hanging.
template <class Condition>
bool ProcessEventsUntil(Condition done, int maxMs = 10000)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() > maxMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// A dialog with a button, an editor and a hidden place holder, which records
// every handler call.
class TestDialog : public CDialog {
public:
    static constexpr int kButton = 1011;
    static constexpr int kEdit = 1007;
    static constexpr int kHidden = 1028;
    static constexpr std::array<DialogControl, 3> kTemplate{{
        {kButton, ControlClass::Button, u"新游戏", WS_CHILD | WS_VISIBLE | WS_TABSTOP},
        {kEdit, ControlClass::Edit, u"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN},
        {kHidden, ControlClass::Static, u"", WS_CHILD},
    }};

    TestDialog()
        : CDialog(kTemplate)
    {
    }

    QPushButton m_button;
    QPlainTextEdit m_edit;
    QWidget m_hidden;

    bool m_overrideOk = false;
    bool m_eatKeys = false;
    std::vector<UINT_PTR> m_timers;
    std::vector<int> m_commands;
    std::vector<int> m_preTranslated;
    std::vector<QWidget*> m_keyTargets;
    std::vector<QPoint> m_taps;
    std::vector<WPARAM> m_shellMessages;
    int m_erases = 0;
    int m_paints = 0;
    int m_setCursors = 0;
    int m_destroys = 0;
    std::function<void(UINT_PTR)> m_onTimer;

    bool PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN) {
            m_preTranslated.push_back(int(msg->wParam & 0xFF));
            m_keyTargets.push_back(msg->hwnd);
            if (m_eatKeys)
                return true;
        }
        return CDialog::PreTranslateMessage(msg);
    }

protected:
    void DoDataExchange() override
    {
        BindControl(kHidden, m_hidden);
        BindControl(kEdit, m_edit);
        BindControl(kButton, m_button);
    }
    bool OnInitDialog() override
    {
        CDialog::OnInitDialog();
        MoveWindow(0, 0, 800, 480, true);
        m_button.setGeometry(600, 10, 100, 40);
        m_edit.setGeometry(440, 87, 300, 308);
        return true;
    }
    bool OnCommand(int id) override
    {
        m_commands.push_back(id);
        return CDialog::OnCommand(id);
    }
    void OnOK() override
    {
        if (!m_overrideOk)
            CDialog::OnOK();
    }
    void OnTimer(UINT_PTR id) override
    {
        m_timers.push_back(id);
        if (m_onTimer)
            m_onTimer(id);
    }
    void OnPaint(QPainter& dc) override
    {
        ++m_paints;
        dc.fillRect(QRect(0, 0, 400, 480), QColor(20, 120, 40));
    }
    bool OnEraseBkgnd(QPainter& dc) override
    {
        ++m_erases;
        return CDialog::OnEraseBkgnd(dc);
    }
    void OnLButtonDown(unsigned, QPoint point) override { m_taps.push_back(point); }
    bool OnSetCursor() override
    {
        ++m_setCursors;
        return false;
    }
    void OnDestroy() override { ++m_destroys; }
    LRESULT OnShellMessage(WPARAM wParam, LPARAM) override
    {
        m_shellMessages.push_back(wParam);
        return 0;
    }
};
