#include "home/HomeDlg.h"

#include "home/HomeLook.h"
#include "home/HomeText.h"
#include "home/SettingsPage.h"
#include "shell/OrvaCore.h"
#include "shell/ProgramResources.h"
#include "shell/ProgramSkeleton.h"
#include "shell/Screen.h"
#include "shell/ShellPrograms.h"

#include <QLoggingCategory>
#include <QPainter>

Q_LOGGING_CATEGORY(lcHome, "orva.home")

namespace {

constexpr UINT_PTR kClockTimer = 1;
constexpr unsigned kClockPeriodMs = 1000;
constexpr QRect kRectTime(40, 30, 500, 90);
constexpr QRect kRectDate(40, 120, 600, 40);
constexpr QRect kRectClose(730, 10, 60, 60);
// The tiles: three columns of the screen's width, under the date.
constexpr int kTileTop = 190;
constexpr int kTileLeft = 40;
constexpr int kTilePitch = 260;
constexpr QSize kTileSize(200, 250);
constexpr QSize kTileIconSize(128, 128);

} // namespace

CHomeDlg::CHomeDlg(HomeMode mode, Clock clock)
    : CDialog({})
    , m_mode(mode)
    , m_clock(std::move(clock))
{
}

CHomeDlg::~CHomeDlg() = default;

bool CHomeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    setWindowTitle(QStringLiteral("Home"));
    COrvaCore::SetAppMainWnd(kHomeAppId, this);
    MoveWindow(0, 0, kScreenSize.width(), kScreenSize.height(), true);
    m_lblTime.setObjectName(QStringLiteral("time"));
    m_lblTime.setGeometry(kRectTime);
    m_lblDate.setObjectName(QStringLiteral("date"));
    m_lblDate.setGeometry(kRectDate);
    MakeTile(m_btnGo, 0);
    MakeTile(m_btnNoteBook, 1);
    MakeTile(m_btnSettings, 2);
    connect(&m_btnGo, &QToolButton::clicked, this, [this] { ShowProgram(ShellPrograms::Go()); });
    connect(&m_btnNoteBook, &QToolButton::clicked, this, [this] { ShowProgram(ShellPrograms::Notebook()); });
    connect(&m_btnSettings, &QToolButton::clicked, this, &CHomeDlg::ShowSettings);
    m_btnClose.setObjectName(QStringLiteral("close"));
    m_btnClose.setGeometry(kRectClose);
    m_btnClose.setText(QStringLiteral("×"));
    m_btnClose.setFocusPolicy(Qt::NoFocus);
    m_btnClose.setVisible(m_mode == HomeMode::Desktop);
    connect(&m_btnClose, &QToolButton::clicked, this, [this] { EndDialog(IDOK); });
    ApplyAppearance();
    SetTimer(kClockTimer, kClockPeriodMs);
    return true;
}

void CHomeDlg::MakeTile(QToolButton& tile, int column)
{
    tile.setGeometry(QRect(QPoint(kTileLeft + column * kTilePitch, kTileTop), kTileSize));
    tile.setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tile.setIconSize(kTileIconSize);
    tile.setFocusPolicy(Qt::NoFocus);
}

void CHomeDlg::ShowProgram(const ShellProgram& program)
{
    if (!ShellPrograms::Show(program))
        qCWarning(lcHome) << "cannot show" << program.name;
}

void CHomeDlg::ShowSettings()
{
    if (!m_settings)
        m_settings = new CSettingsPage(this);
    m_settings->setGeometry(rect());
    m_settings->show();
    m_settings->raise();
}

void CHomeDlg::ApplyAppearance()
{
    const HomeLook look = CurrentHomeLook();
    setStyleSheet(look.StyleSheet());
    m_btnGo.setText(GetHomeText(HomeText::Go));
    m_btnGo.setIcon(QPixmap::fromImage(LoadProgramIcon(QStringLiteral("Go"))));
    m_btnNoteBook.setText(GetHomeText(HomeText::NoteBook));
    m_btnNoteBook.setIcon(QPixmap::fromImage(LoadProgramIcon(QStringLiteral("NoteBook"))));
    m_btnSettings.setText(GetHomeText(HomeText::Settings));
    m_btnSettings.setIcon(SettingsIcon(look));
    m_lblTime.setText(QString());
    ShowTime();
    if (m_settings)
        m_settings->Refresh();
    Invalidate();
}

void CHomeDlg::ShowTime()
{
    const QDateTime now = m_clock();
    const QString time = now.toString(QStringLiteral("HH:mm"));
    if (time == m_lblTime.text())
        return;
    m_lblTime.setText(time);
    m_lblDate.setText(HomeLocale().toString(now.date(), QLocale::LongFormat));
}

bool CHomeDlg::OnEraseBkgnd(QPainter& dc)
{
    dc.fillRect(rect(), CurrentHomeLook().background);
    return true;
}

void CHomeDlg::OnTimer(UINT_PTR id)
{
    if (id == kClockTimer)
        ShowTime();
    CDialog::OnTimer(id);
}

// Escape and the window system's close request end only a desktop's home
// screen; a kiosk's session has nothing behind it.
void CHomeDlg::OnCancel()
{
    if (m_mode == HomeMode::Desktop)
        EndDialog(IDCANCEL);
}

void CHomeDlg::OnClose()
{
    OnCancel();
}

LRESULT CHomeDlg::OnShellMessage(WPARAM wParam, LPARAM)
{
    return HandleShellMessage(*this, wParam,
        {
            .quit = [this] { EndDialog(IDOK); },
            .appearanceChanged = [this] { ApplyAppearance(); },
            .openNote = {},
        });
}
