#pragma once

#include "platform/Color.h"

#include <QAbstractButton>
#include <QImage>

#include <cstdint>

// Style values of CCoolButton: a text button shows its caption on a fill
// colour; every other style is a bitmap button.
constexpr std::uint32_t CB_STYLE_BITMAP = 2;
constexpr std::uint32_t CB_STYLE_TEXT = 900;

// A push button drawn from skin images (a bitmap button takes the size of its
// image) or, in style 900, from its caption, caption font (setFont), text
// colour and fill colour. Bind it to a template button with
// CDialog::BindControl; a click raises the dialog's OnCommand(id). The
// caption is the button's text (setText) and shows at once when it changes.
// Buttons take no keyboard focus: the dialog sees every key.
class CCoolButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit CCoolButton(QWidget* parent = nullptr);
    ~CCoolButton() override;

    // Top-left corner in the parent's client area.
    void SetPosition(int x, int y);
    // The image shown normally and the one shown while pressed. Pixels that are
    // fully transparent or magenta (0x00FF00FF) show the background. A null
    // image shows nothing.
    void LoadBitmaps(const QImage& normal, const QImage& pressed);
    // One image; pressed, it shows sunk and darkened.
    void LoadBitmaps(const QImage& image);
    // The parent's background surface, drawn behind transparent parts; it must
    // outlive the button or be replaced. nullptr: the parent's own painting shows.
    void SetBkDC(const QImage* background);
    void SetCBStyle(std::uint32_t style);
    // Takes over the style, background, colours and caption font of from.
    void CopyStyle(const CCoolButton* from);
    void SetTextColor(COLORREF color);
    void SetBkColor(COLORREF color);

    std::uint32_t GetCBStyle() const { return m_style; }
    COLORREF GetTextColor() const { return m_textColor; }
    COLORREF GetBkColor() const { return m_bkColor; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool IsTextButton() const { return m_style == CB_STYLE_TEXT; }
    void PaintBackground(QPainter& painter) const;
    void PaintBitmap(QPainter& painter) const;
    void PaintText(QPainter& painter) const;
    void FitToImage();

    QImage m_normal;
    QImage m_pressed;
    QImage m_sunk;
    const QImage* m_background = nullptr;
    std::uint32_t m_style = 0;
    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_bkColor = RGB(212, 208, 200);
};
