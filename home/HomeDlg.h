#pragma once

#include "platform/Dialog.h"

#include <QDateTime>
#include <QLabel>
#include <QPointer>
#include <QToolButton>
#include <functional>

class CSettingsPage;
struct ShellProgram;

// How the home screen runs: as the whole session of a kiosk, where nothing
// on it ends it, or as an ordinary program of a desktop with a close button.
enum class HomeMode { Desktop, Session };

// The home screen: the date and time, a tile for each program and one for
// the Settings page, in the current skin and language.
class CHomeDlg : public CDialog {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    explicit CHomeDlg(HomeMode mode, Clock clock = &QDateTime::currentDateTime);
    ~CHomeDlg() override;

    // The Settings page, made when first shown.
    void ShowSettings();

protected:
    bool OnInitDialog() override;
    void OnCancel() override;
    void OnClose() override;
    bool OnEraseBkgnd(QPainter& dc) override;
    void OnTimer(UINT_PTR id) override;
    LRESULT OnShellMessage(WPARAM wParam, LPARAM lParam) override;

private:
    void MakeTile(QToolButton& tile, int column);
    void ShowProgram(const ShellProgram& program);
    // Texts, colours and icons after a change of skin or language.
    void ApplyAppearance();
    void ShowTime();

    HomeMode m_mode = HomeMode::Desktop;
    Clock m_clock;
    QLabel m_lblTime { this };
    QLabel m_lblDate { this };
    QToolButton m_btnGo { this };
    QToolButton m_btnNoteBook { this };
    QToolButton m_btnSettings { this };
    QToolButton m_btnClose { this };
    QPointer<CSettingsPage> m_settings;
};
