#include "go/window/GoDlg.h"

#include "go/window/GoLayout.h"
#include "go/window/GoText.h"
#include "platform/Cursor.h"
#include "platform/Drawing.h"
#include "platform/LogFont.h"
#include "platform/Rect.h"
#include "shell/FileSystem.h"
#include "shell/OrvaCore.h"
#include "shell/OrvaSkins.h"
#include "shell/ProgramResources.h"
#include "shell/ProgramSkeleton.h"
#include "shell/ShellPrograms.h"

#include <QPainter>

namespace {

constexpr std::uint32_t kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

constexpr std::array<DialogControl, 6> kGoTemplate { {
    { IDC_CLOSE, ControlClass::Button, u"X", kButtonStyle },
    { IDC_UNDO, ControlClass::Button, u"悔  棋", kButtonStyle },
    { IDC_NEW, ControlClass::Button, u"新游戏", kButtonStyle },
    { IDC_HELP, ControlClass::Button, u"?", kButtonStyle },
    { IDC_MIN, ControlClass::Button, u"-", kButtonStyle },
    { IDC_BOARD, ControlClass::Static, u"", WS_CHILD },
} };

constexpr int kPointerBlackStone = 149;
constexpr int kPointerWhiteStone = 150;
constexpr COLORREF kStatusTextColour = 0x0080FFFF;
constexpr COLORREF kNewButtonTextColour = 0x00FFFFFF;
constexpr int kSkinWordStatusText = 48;
constexpr int kSkinWordButtonText = 49;

} // namespace

CGoDlg::CGoDlg(QWidget* parent)
    : CDialog(kGoTemplate, parent)
{
    StartFirstGame();
}

CGoDlg::CGoDlg(TickSource tickCount, RandomSource random, QWidget* parent)
    : CDialog(kGoTemplate, parent)
    , CGoEngine(std::move(tickCount), std::move(random))
{
    StartFirstGame();
}

// The computer opens the first game, at the Normal level.
void CGoDlg::StartFirstGame()
{
    ResetGame();
    g_nLevel = 2;
    m_bPersonFirst = false;
    g_bPersonFirst = false;
}

CGoDlg::~CGoDlg() = default;

QFont CGoDlg::GameFont(int height)
{
    LOGFONT description;
    description.lfHeight = height;
    description.lfWeight = 600;
    description.lfQuality = CLEARTYPE_QUALITY;
    description.lfPitchAndFamily = FF_SWISS;
    description.lfFaceName = QStringLiteral("Arial");
    return FontFromLogFont(description);
}

void CGoDlg::DoDataExchange()
{
    BindControl(IDC_BOARD, m_boardPlaceholder);
    BindControl(IDC_UNDO, m_btnUndo);
    BindControl(IDC_NEW, m_btnNew);
    BindControl(IDC_MIN, m_btnMin);
    BindControl(IDC_HELP, m_btnHelp);
    BindControl(IDC_CLOSE, m_btnClose);
}

bool CGoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    setWindowTitle(QStringLiteral("GO"));
    COrvaCore::SetAppMainWnd(kGoAppId, this);
    ShowCursor(false);
    m_surface.Create(this);
    LayoutControls();
    LoadSkin();

    SetTimer(kOpeningTimer, kOpeningDelayMs);
    m_rcBoard = QRectFromRect(g_rcBoard);
    m_status.SetText(GetLocalQString(kTextTitle));
    m_bmpBlack = COrvaSkins::LoadBitmapW(u"GO_Black", 0);
    m_bmpWhite = COrvaSkins::LoadBitmapW(u"GO_White", 0);
    m_stonePointers = { LoadProgramCursor(kPointerWhiteStone), LoadProgramCursor(kPointerBlackStone) };
    MoveWindow(0, 0, kScreenSize.width(), kScreenSize.height(), true);
    return true;
}

void CGoDlg::LayoutControls()
{
    m_bmpBoard = COrvaSkins::LoadBitmapW(u"GO_BOARD", 0);

    const QImage* background = m_surface.GetDC();
    m_btnClose.SetPosition(kPosCloseButton.x(), kPosCloseButton.y());
    m_btnClose.SetBkDC(background);
    m_btnClose.SetCBStyle(CB_STYLE_BITMAP);
    m_btnMin.SetPosition(kPosMinButton.x(), kPosMinButton.y());
    m_btnMin.CopyStyle(&m_btnClose);
    m_btnHelp.SetPosition(kPosHelpButton.x(), kPosHelpButton.y());
    m_btnHelp.CopyStyle(&m_btnClose);

    m_btnNew.setGeometry(kRectNewButton);
    m_btnNew.SetCBStyle(CB_STYLE_TEXT);
    m_btnNew.setFont(m_fontOption);
    m_btnNew.SetTextColor(kNewButtonTextColour);
    m_btnNew.SetCBStyle(CB_STYLE_TEXT);
    m_btnUndo.setGeometry(kRectUndoButton);
    m_btnUndo.CopyStyle(&m_btnNew);

    m_status.Init(this, &g_rcStatus, background, kStatusTextColour, &m_fontStatus);
}

void CGoDlg::LoadSkin()
{
    m_surface.LoadBitmapW(COrvaSkins::LoadBitmapW(u"GAME", 0));
    LoadButtonPair(m_btnClose, u"GAME_CLOSE", u"GAME_CLOSE_FOCUS");
    LoadButtonPair(m_btnMin, u"GAME_MIN", u"GAME_MIN_FOCUS");
    LoadButtonPair(m_btnHelp, u"GAME_HELP", u"GAME_HELP_FOCUS");
    g_crOptionBk = GetPixel(*m_surface.GetDC(), kOptionColourSample.x(), kOptionColourSample.y());

    const SKIN_INFO* skin = COrvaSkins::GetSkinInfo();
    for (auto [button, caption] : { std::pair { &m_btnNew, kTextNew }, std::pair { &m_btnUndo, kTextUndo } }) {
        button->SetTextColor(skin->color[kSkinWordButtonText]);
        button->SetBkColor(g_crOptionBk);
        button->setText(GetLocalQString(caption));
    }
    m_status.SetTextColor(skin->color[kSkinWordStatusText]);
    Invalidate(false);
}

// The pressed image is asked for first, as the shell has always been asked.
void CGoDlg::LoadButtonPair(CCoolButton& button, const char16_t* normal, const char16_t* pressed)
{
    const QImage pressedImage = COrvaSkins::LoadBitmapW(pressed, 0);
    button.LoadBitmaps(COrvaSkins::LoadBitmapW(normal, 0), pressedImage);
}

bool CGoDlg::OnCommand(int id)
{
    switch (id) {
    case IDC_NEW: OnNewGame(); return true;
    case IDC_UNDO: OnUndo(); return true;
    case IDC_CLOSE: OnClose(); return true;
    case IDC_HELP: OnHelp(); return true;
    case IDC_MIN: OnMinimize(); return true;
    default: return CDialog::OnCommand(id);
    }
}

void CGoDlg::OnOK()
{
}

void CGoDlg::OnClose()
{
    EndDialog(0);
}

// On a device without a desktop the home screen is what lies under the game.
void CGoDlg::OnMinimize()
{
    SendToBottom();
    ShellPrograms::Show(ShellPrograms::Home());
}

void CGoDlg::OnHelp()
{
    const QImage icon = COrvaSkins::LoadBitmapW(u"MAGR_BTN_GO", 0);
    CFileSystem::ShowHelpDlg(icon, GetLocalText(kTextHelpTitle), GetLocalText(kTextHelp), g_crOptionBk);
}

bool CGoDlg::OnEraseBkgnd(QPainter&)
{
    return true;
}

void CGoDlg::OnTimer(UINT_PTR id)
{
    m_turns.OnTimer();
    KillTimer(kOpeningTimer);
    CDialog::OnTimer(id);
}

LRESULT CGoDlg::OnShellMessage(WPARAM wParam, LPARAM)
{
    return HandleShellMessage(*this, wParam,
        {
            .quit = [] { PostQuitMessage(0); },
            .appearanceChanged = [this] { LoadSkin(); },
            .openNote = {},
        });
}

void CGoDlg::PersonMove(int x, int y)
{
    m_turns.PersonMove(x, y);
}

void CGoDlg::OnNewGame()
{
    m_turns.OnNewGame();
}

void CGoDlg::OnUndo()
{
    m_turns.OnUndo();
}
