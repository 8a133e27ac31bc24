// A small dialog built the way the programs build theirs: two text buttons, a
// status text and the options, on a background surface, driven by taps and
// keys and rendered offscreen.
#include "ImageProbe.h"
#include "platform/Dialog.h"
#include "platform/Drawing.h"
#include "platform/LogFont.h"
#include "shell/tern/Tern.h"

#include <QLinearGradient>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr int kNew = 1011;
constexpr int kUndo = 1012;
const QRect kLevelRects[3] = {QRect(605, 350, 155, 30), QRect(605, 390, 155, 30), QRect(605, 430, 155, 30)};
const QRect kCpuFirstRect(605, 204, 170, 24);
const RECT kStatusRect{605, 70, 785, 170};
constexpr COLORREF kLabelColor = RGB(255, 236, 190);

constexpr std::array<DialogControl, 2> kDemoTemplate{{
    {kUndo, ControlClass::Button, u"悔  棋", WS_CHILD | WS_VISIBLE | WS_TABSTOP},
    {kNew, ControlClass::Button, u"新游戏", WS_CHILD | WS_VISIBLE | WS_TABSTOP},
}};

QFont ArialFont(int height)
{
    LOGFONT description;
    description.lfHeight = height;
    description.lfWeight = 600;
    description.lfQuality = CLEARTYPE_QUALITY;
    description.lfPitchAndFamily = FF_SWISS;
    description.lfFaceName = QStringLiteral("Arial");
    return FontFromLogFont(description);
}

QImage WoodBackground()
{
    QImage image(800, 480, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient wood(0, 0, 800, 480);
    wood.setColorAt(0, QColor(120, 78, 42));
    wood.setColorAt(1, QColor(78, 48, 24));
    painter.fillRect(image.rect(), wood);
    painter.fillRect(QRect(60, 4, 460, 460), QColor(222, 184, 135));
    return image;
}

class DemoDialog : public CDialog {
public:
    DemoDialog()
        : CDialog(kDemoTemplate)
    {
    }

    int m_level = 2;
    bool m_cpuFirst = true;
    CCoolStatic m_status;

protected:
    void DoDataExchange() override
    {
        BindControl(kUndo, m_btnUndo);
        BindControl(kNew, m_btnNew);
    }

    bool OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_surface.Create(this);
        m_surface.LoadBitmapW(WoodBackground());
        m_btnNew.setGeometry(605, 234, 170, 50);
        m_btnNew.SetCBStyle(CB_STYLE_TEXT);
        m_btnNew.setFont(m_fontOption);
        m_btnNew.SetTextColor(RGB(255, 255, 255));
        m_btnNew.SetBkColor(GetPixel(*m_surface.GetDC(), 605, 234));
        m_btnNew.setText(QStringLiteral("New"));
        m_btnUndo.setGeometry(605, 288, 170, 50);
        m_btnUndo.CopyStyle(&m_btnNew);
        m_btnUndo.setText(QStringLiteral("Undo"));
        m_status.Init(this, &kStatusRect, m_surface.GetDC(), RGB(255, 255, 128), &m_fontStatus);
        m_status.SetText(QStringLiteral("\r\nGOBANG"));
        MoveWindow(0, 0, 800, 480, true);
        return true;
    }

    bool OnCommand(int id) override
    {
        if (id == kNew)
            m_status.SetText(QStringLiteral("OBANG\nThe 1 Step"));
        else if (id == kUndo)
            m_status.SetText(QStringLiteral("You can't undo the game in beginning"));
        else
            return CDialog::OnCommand(id);
        return true;
    }

    void OnOK() override {}

    bool OnEraseBkgnd(QPainter&) override { return true; }

    void OnPaint(QPainter& dc) override
    {
        CopyImage(dc, 0, 0, 800, 480, *m_surface.GetDC());
        m_status.Draw(&dc);
        dc.setPen(ColorFromColorRef(kLabelColor));
        const QString levels[3] = {QStringLiteral("Easy"), QStringLiteral("Normal"), QStringLiteral("Hard")};
        for (int i = 0; i < 3; ++i)
            DrawRadioButton(&dc, kLevelRects[i], levels[i], &m_fontOption, m_level == i + 1, 0);
        DrawCheckButton(&dc, kCpuFirstRect, QStringLiteral("CPU First"), &m_fontOption, m_cpuFirst);
    }

    void OnLButtonDown(unsigned, QPoint point) override
    {
        for (int i = 0; i < 3; ++i) {
            if (kLevelRects[i].contains(point)) {
                SetLevel(i + 1);
                return;
            }
        }
        if (kCpuFirstRect.contains(point))
            ToggleCpuFirst();
    }

public:
    bool PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN) {
            const int key = int(msg->wParam & 0xFF);
            if (key >= '1' && key <= '3')
                SetLevel(key - '0');
            else if (key == VK_TAB)
                ToggleCpuFirst();
        }
        return CDialog::PreTranslateMessage(msg);
    }

private:
    void SetLevel(int level)
    {
        m_level = level;
        for (const QRect& rect : kLevelRects)
            InvalidateRect(rect, false);
    }

    void ToggleCpuFirst()
    {
        m_cpuFirst = !m_cpuFirst;
        InvalidateRect(kCpuFirstRect, false);
    }

    CCoolButton m_btnUndo;
    CCoolButton m_btnNew;
    CMemSurface m_surface;
    QFont m_fontOption = ArialFont(25);
    QFont m_fontStatus = ArialFont(24);
};

// Ink of the label colour inside the mark at the left of an option.
int MarkInk(const QImage& image, const QRect& option)
{
    return CountPixels(image, QRect(option.left(), option.top(), 28, option.height()), qRgb(255, 236, 190));
}

class Demo : public testing::Test {
protected:
    void SetUp() override
    {
        dialog.Create();
        dialog.Render();
        dialog.ClearPaintRecord();
    }
    DemoDialog dialog;
};

TEST_F(Demo, RendersTheOptionsButtonsAndStatus)
{
    const QImage image = dialog.Render();
    SaveForReview(image, QStringLiteral("tern-demo.png"));
    ASSERT_EQ(image.size(), QSize(800, 480));
    EXPECT_GT(MarkInk(image, kLevelRects[1]), MarkInk(image, kLevelRects[0]) + 40);
    EXPECT_GT(MarkInk(image, kLevelRects[1]), MarkInk(image, kLevelRects[2]) + 40);
    EXPECT_GT(MarkInk(image, kCpuFirstRect), 100);
    EXPECT_GT(CountPixels(image, QRectFromRect(kStatusRect), qRgb(255, 255, 128)), 20);
    EXPECT_GT(CountPixels(image, QRect(605, 234, 170, 50), qRgb(255, 255, 255)), 30);
}

TEST_F(Demo, ATapOnAnOptionRepaintsTheThreeLevelsAndNothingElse)
{
    dialog.TapAt(QPoint(620, 445));
    EXPECT_EQ(dialog.m_level, 3);
    std::vector<Invalidation> expected;
    for (const QRect& rect : kLevelRects)
        expected.push_back({rect, false});
    EXPECT_EQ(dialog.GetPaintRecord().Invalidations(), expected);
    const QImage image = dialog.Render();
    EXPECT_GT(MarkInk(image, kLevelRects[2]), MarkInk(image, kLevelRects[1]) + 40);
    QRegion levels;
    for (const QRect& rect : kLevelRects)
        levels += rect;
    EXPECT_EQ(dialog.GetPaintRecord().PaintedRegion(), levels);
}

TEST_F(Demo, TheCheckBoxFollowsTapsAndTab)
{
    const int ticked = MarkInk(dialog.Render(), kCpuFirstRect);
    dialog.TapAt(QPoint(610, 215));
    EXPECT_FALSE(dialog.m_cpuFirst);
    EXPECT_LT(MarkInk(dialog.Render(), kCpuFirstRect), ticked - 40);
    dialog.PressKey(VK_TAB);
    EXPECT_TRUE(dialog.m_cpuFirst);
    EXPECT_EQ(MarkInk(dialog.Render(), kCpuFirstRect), ticked);
}

TEST_F(Demo, ButtonsShowAPressedLookAndRaiseTheirCommand)
{
    const QImage before = dialog.Render();
    auto* button = static_cast<CCoolButton*>(dialog.GetDlgItem(kNew));
    button->setDown(true);
    const QImage pressed = dialog.Render();
    SaveForReview(pressed, QStringLiteral("tern-demo-pressed.png"));
    EXPECT_NE(pressed.copy(button->geometry()), before.copy(button->geometry()));
    button->setDown(false);
    dialog.ClearPaintRecord();
    dialog.TapAt(QPoint(690, 260));
    EXPECT_EQ(dialog.m_status.GetText(), QStringLiteral("OBANG\nThe 1 Step"));
    EXPECT_EQ(dialog.GetPaintRecord().Invalidations(),
              (std::vector<Invalidation>{{QRectFromRect(kStatusRect), false}}));
    const QImage after = dialog.Render();
    EXPECT_EQ(InkBands(after, QRectFromRect(kStatusRect), after.pixel(606, 71)).size(), 2u);
}

TEST_F(Demo, KeysSetTheLevelEnterStaysAndEscapeEnds)
{
    dialog.PressKey('1');
    EXPECT_EQ(dialog.m_level, 1);
    dialog.PressKey(VK_RETURN);
    EXPECT_TRUE(dialog.IsWindow());
    dialog.PressKey(VK_ESCAPE);
    EXPECT_FALSE(dialog.IsWindow());
    EXPECT_EQ(dialog.GetResult(), IDCANCEL);
}

} // namespace
