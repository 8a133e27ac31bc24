#include "go/window/GoDlg.h"

#include "go/window/GoKeys.h"
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
constexpr int kSkinWordOptionText = 50;

QRect ToQRect(const GoRect& rect)
{
    return QRectFromRect(RECT { rect.left, rect.top, rect.right, rect.bottom });
}

QString Text(int entry)
{
    return QString::fromUtf16(GetLocalText(entry));
}

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
    COrvaCore::SetAppMainWnd(kAppId, this);
    ShowCursor(false);
    m_surface.Create(this);
    LayoutControls();
    LoadSkin();

    m_geometry.m_nOriginX = QRectFromRect(g_rcBoard).left() + kBoardLineInset;
    m_geometry.m_nOriginY = QRectFromRect(g_rcBoard).top() + kBoardLineInset;
    SetTimer(kOpeningTimer, kOpeningDelayMs);
    m_rcBoard = QRectFromRect(g_rcBoard);
    m_status.SetText(Text(kTextTitle));
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
        button->setText(Text(caption));
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

void CGoDlg::OnMinimize()
{
    SendToBottom();
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
    switch (wParam) {
    case 1:
        BringWindowToTop();
        SetForegroundWindow();
        break;
    case 2:
        PostQuitMessage(0);
        break;
    case 3:
    case 4:
        LoadSkin();
        break;
    default:
        break;
    }
    return 0;
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

void CGoDlg::OnPaint(QPainter& dc)
{
    CopyImage(dc, 0, 0, kScreenSize.width(), kScreenSize.height(), *m_surface.GetDC());
    m_status.Draw(&dc);
    m_painter.DrawBoardImage(dc, m_rcBoard);
    m_painter.DrawStones(dc, m_board);
    m_painter.DrawCursorMark(dc, m_ptCursor);
    DrawOptions(dc);
}

void CGoDlg::DrawOptions(QPainter& dc) const
{
    dc.setPen(ColorFromColorRef(COrvaSkins::GetSkinInfo()->color[kSkinWordOptionText]));
    constexpr std::array<GoTextEntry, 3> levelNames = { kTextEasy, kTextNormal, kTextHard };
    for (std::size_t i = 0; i < levelNames.size(); ++i) {
        const int level = static_cast<int>(i) + 1;
        DrawRadioButton(&dc, QRectFromRect(kRectLevels[i]), Text(levelNames[i]), &m_fontOption,
                        g_nLevel == level, 0);
    }
    DrawCheckButton(&dc, QRectFromRect(kRectCpuFirst), Text(kTextCpuFirst), &m_fontOption, !m_bPersonFirst);
}

void CGoDlg::InvalidateCell(QPoint pt)
{
    InvalidateRect(m_geometry.CellSquare(pt), false);
}

void CGoDlg::MoveCursorTo(int x, int y)
{
    const QPoint before = m_ptCursor;
    m_ptCursor = { x, y };
    InvalidateCell(m_ptCursor);
    InvalidateCell(before);
}

void CGoDlg::SetLevel(int level)
{
    g_nLevel = level;
    for (const RECT& option : kRectLevels)
        InvalidateRect(QRectFromRect(option), false);
}

void CGoDlg::OnLButtonDown(unsigned flags, QPoint point)
{
    QPoint cell;
    if (m_geometry.PointToCell(point.x(), point.y(), cell))
        PersonMove(cell.x(), cell.y());

    const int option = OptionAt(point);
    if (option > 0) {
        SetLevel(option);
    } else if (option == 0) {
        ToggleCpuFirst();
    }
    CDialog::OnLButtonDown(flags, point);
}

bool CGoDlg::OnSetCursor()
{
    const QPoint point = mapFromGlobal(GetCursorPos());
    QPoint cell;
    if (m_geometry.PointToCell(point.x(), point.y(), cell) && !m_bGameOver) {
        // The colour that moves next: white after black's stone.
        SetCursor(m_stonePointers[m_lastColor != 0 ? 0 : 1]);
        return true;
    }
    return CDialog::OnSetCursor();
}

bool CGoDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN)
        OnKey(GameKeyOf(*msg));
    return CDialog::PreTranslateMessage(msg);
}

void CGoDlg::OnKey(int key)
{
    const GoKeyCommand command = KeyCommandFor(key);
    const QPoint before = m_ptCursor;
    switch (command) {
    case GoKeyCommand::Undo:
        OnUndo();
        break;
    case GoKeyCommand::ToggleCpuFirst:
        ToggleCpuFirst();
        break;
    case GoKeyCommand::PlayAtCursor:
        PersonMove(m_ptCursor.x(), m_ptCursor.y());
        RepaintCursorCells(before);
        break;
    case GoKeyCommand::CursorLeft:
    case GoKeyCommand::CursorUp:
    case GoKeyCommand::CursorRight:
    case GoKeyCommand::CursorDown:
        m_ptCursor = StepCursor(m_ptCursor, command);
        RepaintCursorCells(before);
        break;
    case GoKeyCommand::NewGame:
        OnNewGame();
        break;
    case GoKeyCommand::LevelEasy:
        SetLevel(1);
        break;
    case GoKeyCommand::LevelNormal:
        SetLevel(2);
        break;
    case GoKeyCommand::LevelHard:
        SetLevel(3);
        break;
    case GoKeyCommand::None:
        break;
    }
}

// The option shown changes at once; the running game keeps its rule until New.
void CGoDlg::ToggleCpuFirst()
{
    m_bPersonFirst = !m_bPersonFirst;
    InvalidateRect(QRectFromRect(kRectCpuFirst), false);
}

void CGoDlg::RepaintCursorCells(QPoint before)
{
    InvalidateCell(m_ptCursor);
    InvalidateCell(before);
}

GoRect CGoDlg::StoneBox(GoPoint pt) const
{
    const RECT box = RectFromQRect(m_geometry.StoneBox({ pt.x, pt.y }));
    return { box.left, box.top, box.right, box.bottom };
}

void CGoDlg::InvalidateBox(const GoRect& rect, bool erase)
{
    InvalidateRect(ToQRect(rect), erase);
}

void CGoDlg::InvalidateWindow()
{
    Invalidate(true);
}

void CGoDlg::RepaintNow()
{
    UpdateWindow();
}

// On a touch screen the hidden pointer follows the computer's stone, so the
// pointer shape tells whose turn it is there; a visible mouse pointer stays
// where the person left it.
void CGoDlg::MovePointerTo(GoPoint pt)
{
    if (IsCursorShown())
        return;
    const QPoint screen = mapToGlobal(m_geometry.CellCentre({ pt.x, pt.y }));
    SetCursorPos(screen.x(), screen.y());
}

void CGoDlg::MoveCursorTo(GoPoint pt)
{
    MoveCursorTo(pt.x, pt.y);
}

void CGoDlg::ShowStatus(const TurnStatus& status)
{
    QString text = FormatLocalText(status.first, status.step);
    if (status.second >= 0)
        text += FormatLocalText(status.second, status.step);
    m_status.SetText(text);
}

void CGoDlg::BeginWaitCursor()
{
    m_waitCursor.emplace();
}

void CGoDlg::EndWaitCursor()
{
    m_waitCursor.reset();
}
