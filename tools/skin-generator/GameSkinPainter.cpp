#include "GameSkinPainter.h"

#include "PaintHelpers.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QRect kBoardRect(60, 4, 460, 460);
const QRect kPanelRect(590, 62, 200, 408);
constexpr int kTopBarTop = 10;
const QSize kTopBarButton(56, 40);
constexpr int kGridOrigin = 18;
constexpr int kGridPitch = 30;
constexpr int kLines = 15;
const QColor kColourKey(255, 0, 255);

void DrawGlyph(QPainter& painter, const QRectF& box, QChar glyph, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(colour, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QPointF c = box.center();
    if (glyph == u'x') {
        painter.drawLine(c + QPointF(-7, -7), c + QPointF(7, 7));
        painter.drawLine(c + QPointF(7, -7), c + QPointF(-7, 7));
    } else if (glyph == u'-') {
        painter.drawLine(c + QPointF(-8, 4), c + QPointF(8, 4));
    } else {
        QPainterPath hook;
        hook.moveTo(c + QPointF(-5.5, -4));
        hook.cubicTo(c + QPointF(-5.5, -11), c + QPointF(6, -11), c + QPointF(6, -4.5));
        hook.cubicTo(c + QPointF(6, 0), c + QPointF(0, 0.5), c + QPointF(0, 4));
        painter.drawPath(hook);
        painter.setBrush(colour);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(c + QPointF(0, 9.5), 2.0, 2.0);
    }
    painter.restore();
}

} // namespace

GameSkinPainter::GameSkinPainter(SkinPalette palette)
    : m_palette(std::move(palette))
{
}

QMap<QString, QImage> GameSkinPainter::Paint() const
{
    const QImage background = Background();
    const QColor boardColour = Blend(m_palette.woodLight, m_palette.woodDark, 0.3);
    QMap<QString, QImage> images;
    images.insert(QStringLiteral("GAME"), background);
    images.insert(QStringLiteral("GO_BOARD"), Board());
    images.insert(QStringLiteral("GO_Black"), PaintStone(24, true, boardColour, kColourKey));
    images.insert(QStringLiteral("GO_White"), PaintStone(24, false, boardColour, kColourKey));
    const struct {
        const char* name;
        int left;
        QChar glyph;
    } buttons[] = { { "GAME_HELP", 588, u'?' }, { "GAME_MIN", 656, u'-' }, { "GAME_CLOSE", 724, u'x' } };
    for (const auto& button : buttons) {
        images.insert(QString::fromLatin1(button.name), TopBarButton(background, button.left, button.glyph, false));
        images.insert(QString::fromLatin1(button.name) + QStringLiteral("_FOCUS"),
            TopBarButton(background, button.left, button.glyph, true));
    }
    images.insert(QStringLiteral("MAGR_BTN_GO"), HelpIcon());
    return images;
}

QImage GameSkinPainter::Background() const
{
    QImage image(800, 480, QImage::Format_RGB32);
    FillGradient(image, m_palette.tableTop, m_palette.tableBottom);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A soft light on the table, and the board's shadow beneath it.
    QRadialGradient light(QPointF(290, 200), 420);
    light.setColorAt(0.0, QColor(255, 255, 255, 34));
    light.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(image.rect(), light);
    for (int spread = 12; spread > 0; spread -= 2) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 18));
        painter.drawRoundedRect(
            QRectF(kBoardRect).adjusted(-spread + 6, -spread + 8, spread + 6, spread + 8), spread, spread);
    }

    // The option panel: one flat colour, which the game samples at (605, 234).
    painter.setBrush(m_palette.panel);
    painter.setPen(QPen(m_palette.panelEdge, 2));
    painter.drawRoundedRect(QRectF(kPanelRect).adjusted(1, 1, -1, -1), 14, 14);
    painter.setPen(QPen(Blend(m_palette.panel, m_palette.panelEdge, 0.45), 1));
    painter.drawLine(QPointF(605, 190), QPointF(775, 190));
    painter.drawLine(QPointF(605, 342), QPointF(775, 342));
    return image;
}

QImage GameSkinPainter::Board() const
{
    QImage board = PaintWood(kBoardRect.size(), m_palette.woodLight, m_palette.woodDark, 7);
    QPainter painter(&board);

    // A bevelled edge gives the board its thickness.
    painter.setPen(QPen(Blend(m_palette.woodLight, Qt::white, 0.5), 2));
    painter.drawLine(1, 1, board.width() - 2, 1);
    painter.drawLine(1, 1, 1, board.height() - 2);
    painter.setPen(QPen(Blend(m_palette.woodDark, Qt::black, 0.35), 2));
    painter.drawLine(1, board.height() - 1, board.width() - 1, board.height() - 1);
    painter.drawLine(board.width() - 1, 1, board.width() - 1, board.height() - 1);

    constexpr int last = kGridOrigin + (kLines - 1) * kGridPitch;
    painter.setPen(QPen(m_palette.gridLine, 1));
    for (int i = 0; i < kLines; ++i) {
        const int at = kGridOrigin + i * kGridPitch;
        painter.drawLine(at, kGridOrigin, at, last);
        painter.drawLine(kGridOrigin, at, last, at);
    }
    painter.setPen(QPen(m_palette.gridLine, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(kGridOrigin, kGridOrigin, last - kGridOrigin, last - kGridOrigin));

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_palette.gridLine);
    for (const QPoint star : { QPoint(3, 3), QPoint(11, 3), QPoint(7, 7), QPoint(3, 11), QPoint(11, 11) }) {
        const QPointF centre(kGridOrigin + star.x() * kGridPitch + 0.5, kGridOrigin + star.y() * kGridPitch + 0.5);
        painter.drawEllipse(centre, 3.5, 3.5);
    }
    return board;
}

QImage GameSkinPainter::TopBarButton(const QImage& background, int left, QChar glyph, bool pressed) const
{
    // The button's corners show the background it stands on.
    QImage button = background.copy(QRect(QPoint(left, kTopBarTop), kTopBarButton));
    QPainter painter(&button);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(button.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient fill(0, 0, 0, button.height());
    const QColor base = pressed ? m_palette.panelEdge : m_palette.panel;
    fill.setColorAt(0.0, Blend(base, Qt::white, pressed ? 0.25 : 0.18));
    fill.setColorAt(1.0, Blend(base, Qt::black, pressed ? 0.05 : 0.2));
    painter.setBrush(fill);
    painter.setPen(QPen(m_palette.panelEdge, 1.5));
    painter.drawRoundedRect(body, 9, 9);
    DrawGlyph(painter, body, glyph, pressed ? m_palette.panel : m_palette.buttonText);
    return button;
}

QImage GameSkinPainter::HelpIcon() const
{
    QImage icon(64, 64, QImage::Format_RGB32);
    icon.fill(m_palette.panel);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const QImage wood = PaintWood(QSize(56, 56), m_palette.woodLight, m_palette.woodDark, 11);
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(4, 4, 56, 56), 8, 8);
    painter.setClipPath(rounded);
    painter.drawImage(4, 4, wood);
    painter.setClipping(false);
    painter.setPen(QPen(m_palette.gridLine, 1));
    for (int i = 0; i < 5; ++i) {
        const double at = 12.5 + i * 10;
        painter.drawLine(QPointF(at, 12.5), QPointF(at, 52.5));
        painter.drawLine(QPointF(12.5, at), QPointF(52.5, at));
    }
    const QPoint black[] = { { 1, 1 }, { 2, 2 }, { 3, 3 } };
    const QPoint white[] = { { 2, 1 }, { 3, 2 } };
    for (const QPoint p : black)
        DrawStone(painter, QRectF(12.5 + p.x() * 10 - 4.6, 12.5 + p.y() * 10 - 4.6, 9.2, 9.2), true);
    for (const QPoint p : white)
        DrawStone(painter, QRectF(12.5 + p.x() * 10 - 4.6, 12.5 + p.y() * 10 - 4.6, 9.2, 9.2), false);
    return icon;
}
