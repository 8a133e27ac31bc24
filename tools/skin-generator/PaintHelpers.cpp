#include "PaintHelpers.h"

#include "ValueNoise.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

QColor Blend(const QColor& from, const QColor& to, double amount)
{
    const double t = std::clamp(amount, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * t),
        static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * t),
        static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * t));
}

QImage PaintWood(QSize size, const QColor& light, const QColor& dark, unsigned seed)
{
    const ValueNoise noise(seed);
    QImage wood(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(wood.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double warp = 40.0 * noise.Fractal(x / 160.0, y / 220.0);
            const double frequency = 0.10 + 0.08 * noise.At(x / 90.0 + 17.0, 3.0);
            const double ring = 0.5 + 0.5 * std::sin((x + warp) * frequency + 4.0 * noise.Fractal(x / 40.0, y / 150.0));
            const double fibre = noise.Fractal(x * 0.9, y * 0.025 + 40.0, 2);
            const double tone = noise.Fractal(x / 200.0 + 5.0, y / 200.0 + 9.0, 2);
            const double shade = 0.38 * std::pow(ring, 5.0) + 0.32 * fibre * fibre + 0.30 * tone;
            line[x] = Blend(light, dark, shade).rgb();
        }
    }
    return wood;
}

void DrawStone(QPainter& painter, const QRectF& rect, bool black)
{
    const QPointF centre = rect.center();
    const double radius = rect.width() / 2.0;
    QRadialGradient shading(centre, radius, centre - QPointF(radius * 0.38, radius * 0.42));
    if (black) {
        shading.setColorAt(0.0, QColor(118, 118, 124));
        shading.setColorAt(0.45, QColor(36, 36, 40));
        shading.setColorAt(1.0, QColor(6, 6, 8));
    } else {
        shading.setColorAt(0.0, QColor(255, 255, 255));
        shading.setColorAt(0.6, QColor(236, 234, 228));
        shading.setColorAt(1.0, QColor(176, 172, 164));
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shading);
    painter.drawEllipse(rect);
    painter.restore();
}

QImage PaintStone(int size, bool black, const QColor& rimBackground, const QColor& key)
{
    // Draw large, then take each pixel's coverage from the large picture, so
    // that the rim blends into the board colour and not into the key colour.
    constexpr int kScale = 8;
    QImage large(size * kScale, size * kScale, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    {
        QPainter painter(&large);
        DrawStone(painter, QRectF(kScale * 0.5, kScale * 0.5, (size - 1) * kScale, (size - 1) * kScale), black);
    }
    QImage stone(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double red = 0, green = 0, blue = 0, alpha = 0;
            for (int sy = 0; sy < kScale; ++sy) {
                for (int sx = 0; sx < kScale; ++sx) {
                    const QRgb p = large.pixel(x * kScale + sx, y * kScale + sy);
                    red += qRed(p);
                    green += qGreen(p);
                    blue += qBlue(p);
                    alpha += qAlpha(p);
                }
            }
            const double samples = kScale * kScale;
            const double coverage = alpha / samples / 255.0;
            if (coverage < 0.08) {
                stone.setPixel(x, y, key.rgb());
                continue;
            }
            // Premultiplied sums: colour = sum / alphaSum, then over the rim.
            const QColor own = QColor::fromRgbF(
                static_cast<float>(red / alpha), static_cast<float>(green / alpha), static_cast<float>(blue / alpha));
            stone.setPixel(x, y, Blend(rimBackground, own, coverage).rgb());
        }
    }
    return stone;
}

void FillGradient(QImage& image, const QColor& top, const QColor& bottom)
{
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, image.height());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    painter.fillRect(image.rect(), gradient);
}
