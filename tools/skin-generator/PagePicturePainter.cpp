#include "PagePicturePainter.h"

#include "PaintHelpers.h"
#include "ValueNoise.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr int W = PagePicturePainter::kWidth;
constexpr int H = PagePicturePainter::kHeight;
const QColor kInk(34, 32, 36);
const QColor kSealRed(196, 30, 36);

QImage Paper()
{
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A mountain ridge from left to right whose height wanders with the noise,
// filled down to the bottom and fading into the mist below.
void DrawRidge(QPainter& painter, const ValueNoise& noise, double base, double amplitude, double scale,
    const QColor& colour, double offset)
{
    QPainterPath ridge;
    ridge.moveTo(0, H);
    for (int x = 0; x <= W; x += 2)
        ridge.lineTo(x, base - amplitude * noise.Fractal(x / scale + offset, offset, 4));
    ridge.lineTo(W, H);
    ridge.closeSubpath();
    QLinearGradient fade(0, base - amplitude, 0, base + 60);
    fade.setColorAt(0.0, colour);
    QColor mist = colour;
    mist.setAlpha(0);
    fade.setColorAt(1.0, mist);
    painter.fillPath(ridge, fade);
}

void DrawSeal(QPainter& painter, QPointF topLeft)
{
    const QRectF seal(topLeft, QSizeF(20, 20));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSealRed);
    painter.drawRoundedRect(seal, 2, 2);
    painter.setPen(QPen(Qt::white, 1.6));
    painter.drawLine(seal.topLeft() + QPointF(5, 6), seal.topLeft() + QPointF(15, 6));
    painter.drawLine(seal.topLeft() + QPointF(10, 4), seal.topLeft() + QPointF(10, 16));
    painter.drawLine(seal.topLeft() + QPointF(5, 11), seal.topLeft() + QPointF(15, 11));
    painter.drawLine(seal.topLeft() + QPointF(6, 16), seal.topLeft() + QPointF(14, 16));
    painter.restore();
}

// A brush stroke that swells in the middle and tapers at both ends.
void DrawStroke(QPainter& painter, QPointF from, QPointF to, double width, const QColor& colour)
{
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    if (length <= 0)
        return;
    const QPointF normal(-along.y() / length * width / 2, along.x() / length * width / 2);
    const QPointF middle = (from + to) / 2;
    QPainterPath stroke;
    stroke.moveTo(from);
    stroke.quadTo(middle + normal * 2, to);
    stroke.quadTo(middle - normal * 2, from);
    painter.fillPath(stroke, colour);
}

QColor Ink(int alpha)
{
    QColor ink = kInk;
    ink.setAlpha(alpha);
    return ink;
}

} // namespace

QList<PagePicturePainter::Picture> PagePicturePainter::Paint()
{
    return {
        { QStringLiteral("Mountains.bmp"), MistyMountains() },
        { QStringLiteral("Bamboo.bmp"), Bamboo() },
        { QStringLiteral("PlumBlossom.bmp"), PlumBlossom() },
        { QStringLiteral("MoonLake.bmp"), MoonOverTheLake() },
        { QStringLiteral("Pine.bmp"), PineOnTheCliff() },
        { QStringLiteral("Lotus.bmp"), Lotus() },
    };
}

QImage PagePicturePainter::MistyMountains()
{
    QImage image = Paper();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient sun(QPointF(200, 70), 22);
    sun.setColorAt(0.0, QColor(222, 72, 52));
    sun.setColorAt(0.85, QColor(222, 72, 52, 220));
    sun.setColorAt(1.0, QColor(222, 72, 52, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(200, 70), 22, 22);
    const ValueNoise noise(21);
    DrawRidge(painter, noise, 170, 110, 70, Ink(70), 1.0);
    DrawRidge(painter, noise, 215, 100, 55, Ink(120), 7.0);
    DrawRidge(painter, noise, 270, 80, 45, Ink(190), 13.0);
    for (int i = 0; i < 3; ++i) {
        const QPointF bird(60 + i * 14, 60 + (i % 2) * 6);
        painter.setPen(QPen(Ink(200), 1.3));
        painter.drawLine(bird, bird + QPointF(5, 3));
        painter.drawLine(bird + QPointF(5, 3), bird + QPointF(10, 0));
    }
    DrawSeal(painter, QPointF(244, 18));
    return image;
}

QImage PagePicturePainter::Bamboo()
{
    QImage image = Paper();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    std::mt19937 random(5);
    const struct {
        double x, lean, width;
        int alpha;
    } stalks[] = { { 90, 14, 11, 110 }, { 140, -8, 14, 220 }, { 190, 10, 9, 160 } };
    for (const auto& stalk : stalks) {
        for (double y = H; y > 10; y -= 58) {
            const double t0 = y / H, t1 = (y - 54) / H;
            const QPointF bottom(stalk.x + stalk.lean * (1 - t0), y);
            const QPointF top(stalk.x + stalk.lean * (1 - t1), y - 54);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Ink(stalk.alpha));
            painter.drawRoundedRect(QRectF(top.x() - stalk.width / 2, top.y(), stalk.width, 54), 3, 3);
            painter.setBrush(Ink(std::min(255, stalk.alpha + 40)));
            painter.drawRect(QRectF(bottom.x() - stalk.width / 2 - 1, y - 2, stalk.width + 2, 3));
        }
    }
    std::uniform_real_distribution<double> angle(-0.9, 0.9);
    for (int i = 0; i < 16; ++i) {
        const QPointF from(140 + (i % 2 ? 6 : -6), 40 + i * 11);
        const double a = (i % 2 ? 0.35 : 2.8) + angle(random) * 0.5;
        const QPointF to = from + QPointF(std::cos(a) * 46, std::sin(a) * 20 + 8);
        DrawStroke(painter, from, to, 6.5, Ink(150 + (i * 7) % 90));
    }
    DrawSeal(painter, QPointF(24, 240));
    return image;
}

QImage PagePicturePainter::PlumBlossom()
{
    QImage image = Paper();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF branch[] = { { 0, 250 }, { 60, 215 }, { 110, 180 }, { 150, 120 }, { 210, 90 }, { 262, 40 } };
    for (size_t i = 0; i + 1 < std::size(branch); ++i)
        DrawStroke(painter, branch[i], branch[i + 1], 13.0 - i * 2.0, Ink(230));
    DrawStroke(painter, branch[2], QPointF(190, 210), 6, Ink(210));
    DrawStroke(painter, branch[3], QPointF(120, 70), 5, Ink(200));
    const QPointF blossoms[] = { { 64, 205 }, { 104, 170 }, { 118, 186 }, { 146, 110 }, { 176, 200 }, { 124, 78 },
        { 204, 84 }, { 226, 66 }, { 250, 48 }, { 160, 128 }, { 84, 222 }, { 192, 102 } };
    for (const QPointF centre : blossoms) {
        for (int petal = 0; petal < 5; ++petal) {
            const double a = petal * 2 * std::numbers::pi / 5 + centre.x();
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(228, 88, 118, 200));
            painter.drawEllipse(centre + QPointF(std::cos(a) * 4.5, std::sin(a) * 4.5), 4.2, 4.2);
        }
        painter.setBrush(QColor(250, 214, 90));
        painter.drawEllipse(centre, 1.8, 1.8);
    }
    DrawSeal(painter, QPointF(236, 250));
    return image;
}

QImage PagePicturePainter::MoonOverTheLake()
{
    QImage image = Paper();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 190);
    sky.setColorAt(0.0, QColor(52, 66, 96));
    sky.setColorAt(1.0, QColor(160, 172, 196));
    painter.fillRect(QRectF(0, 0, W, 190), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(252, 246, 220));
    painter.drawEllipse(QPointF(196, 64), 24, 24);
    const ValueNoise noise(33);
    DrawRidge(painter, noise, 196, 60, 50, QColor(40, 48, 66, 230), 3.0);
    QLinearGradient water(0, 190, 0, H);
    water.setColorAt(0.0, QColor(120, 134, 164));
    water.setColorAt(1.0, QColor(236, 240, 246));
    painter.fillRect(QRectF(0, 190, W, H - 190), water);
    for (int i = 0; i < 7; ++i) {
        const double y = 200 + i * 9;
        const double half = 22 - i * 2.5;
        painter.fillRect(QRectF(196 - half, y, half * 2, 2), QColor(252, 246, 220, 200 - i * 24));
    }
    QPainterPath boat;
    boat.moveTo(70, 240);
    boat.quadTo(100, 254, 132, 240);
    boat.lineTo(124, 248);
    boat.quadTo(100, 256, 78, 248);
    boat.closeSubpath();
    painter.fillPath(boat, Ink(230));
    painter.setPen(QPen(Ink(230), 1.4));
    painter.drawLine(QPointF(104, 244), QPointF(112, 226));
    painter.setBrush(Ink(230));
    painter.drawEllipse(QPointF(104, 236), 3, 3);
    DrawSeal(painter, QPointF(246, 270));
    return image;
}

QImage PagePicturePainter::PineOnTheCliff()
{
    QImage image = Paper();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath cliff;
    cliff.moveTo(W, H);
    cliff.lineTo(W, 150);
    cliff.cubicTo(230, 160, 200, 200, 190, 240);
    cliff.cubicTo(170, 260, 150, 280, 140, H);
    cliff.closeSubpath();
    QLinearGradient rock(150, 0, W, 0);
    rock.setColorAt(0.0, Ink(140));
    rock.setColorAt(1.0, Ink(240));
    painter.fillPath(cliff, rock);
    // The trunk leaves the rock and leans out over the void; round ends
    // join its pieces into one limb.
    const QPointF trunk[] = { { 268, 176 }, { 236, 150 }, { 200, 136 }, { 160, 122 }, { 116, 112 }, { 70, 108 } };
    for (size_t i = 0; i + 1 < std::size(trunk); ++i) {
        painter.setPen(QPen(QColor(70, 50, 36), 11.0 - i * 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(trunk[i], trunk[i + 1]);
    }
    painter.setPen(QPen(QColor(70, 50, 36), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(200, 136), QPointF(184, 104));
    painter.drawLine(QPointF(116, 112), QPointF(104, 132));
    // Needle pads: fans of short strokes, dark in the middle.
    const QPointF pads[]
        = { { 74, 100 }, { 118, 102 }, { 160, 112 }, { 184, 96 }, { 104, 128 }, { 222, 136 }, { 44, 108 } };
    for (const QPointF centre : pads) {
        for (int needle = -9; needle <= 9; ++needle) {
            const double a = -std::numbers::pi / 2 + needle * 0.16;
            const QPointF tip = centre + QPointF(std::cos(a) * 30, std::sin(a) * 12);
            painter.setPen(QPen(QColor(30, 64, 46, 200 - std::abs(needle) * 8), 2.0, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(centre + QPointF(0, 3), tip);
        }
    }
    painter.setPen(Qt::NoPen);
    QPainterPath cloud;
    cloud.addEllipse(QPointF(70, 210), 56, 10);
    cloud.addEllipse(QPointF(110, 222), 40, 8);
    painter.fillPath(cloud, QColor(210, 214, 222, 120));
    DrawSeal(painter, QPointF(20, 20));
    return image;
}

QImage PagePicturePainter::Lotus()
{
    QImage image = Paper();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(64, 110, 84, 200));
    painter.drawEllipse(QPointF(80, 250), 70, 22);
    painter.setBrush(QColor(44, 90, 66, 220));
    painter.drawEllipse(QPointF(200, 268), 60, 18);
    DrawStroke(painter, QPointF(140, H), QPointF(146, 150), 4, QColor(60, 100, 70));
    const QPointF centre(146, 140);
    for (int petal = 0; petal < 7; ++petal) {
        painter.save();
        painter.translate(centre);
        painter.rotate(-75 + petal * 25);
        QPainterPath shape;
        shape.moveTo(0, 0);
        shape.cubicTo(-16, -20, -8, -50, 0, -58);
        shape.cubicTo(8, -50, 16, -20, 0, 0);
        QLinearGradient blush(0, 0, 0, -58);
        blush.setColorAt(0.0, QColor(255, 236, 240));
        blush.setColorAt(1.0, QColor(226, 96, 132));
        painter.fillPath(shape, blush);
        painter.restore();
    }
    painter.setBrush(QColor(240, 196, 70));
    painter.drawEllipse(centre + QPointF(0, -6), 8, 5);
    DrawSeal(painter, QPointF(238, 22));
    return image;
}
