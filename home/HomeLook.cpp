#include "home/HomeLook.h"

#include "platform/Color.h"
#include "shell/OrvaSkins.h"

#include <QPainter>
#include <QPixmap>

namespace {

// The skin's colour words the home screen wears: the option panel's fill
// for the tiles, the status text's colour for every text.
constexpr int kWordText = 48;
constexpr int kWordPanel = 51;
constexpr int kGearSize = 128;
constexpr int kGearTeeth = 8;

} // namespace

QString HomeLook::StyleSheet() const
{
    return QStringLiteral(
        "QWidget#settings { background: %3; }"
        "QLabel { color: %1; font-size: 22px; }"
        "QLabel#time { font-size: 72px; }"
        "QLabel#date { font-size: 26px; }"
        "QToolButton, QPushButton { background: %2; color: %1; border: 2px solid %1; border-radius: 16px;"
        " font-size: 24px; padding: 8px; }"
        "QToolButton:pressed, QPushButton:pressed, QToolButton:checked, QPushButton:checked { background: %1; color: "
        "%2; }"
        "QCheckBox { color: %1; font-size: 22px; }"
        "QCheckBox::indicator { width: 32px; height: 32px; }"
        "QListWidget { background: %2; color: %1; font-size: 22px; border: 2px solid %1; }"
        "QListWidget::item { background: %2; padding: 6px; }"
        "QListWidget::item:selected { background: %1; color: %2; }"
        "QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }")
        .arg(text.name(), tile.name(), background.name());
}

HomeLook CurrentHomeLook()
{
    const SKIN_INFO* info = COrvaSkins::GetSkinInfo();
    const QColor tile = ColorFromColorRef(info->color[kWordPanel]);
    QColor text = ColorFromColorRef(info->color[kWordText]);
    // A skin without its colour words must still be readable.
    if (text == tile)
        text = tile.lightness() < 128 ? Qt::white : Qt::black;
    return { .background = tile.darker(180), .tile = tile, .text = text };
}

QIcon SettingsIcon(const HomeLook& look)
{
    QPixmap gear(kGearSize, kGearSize);
    gear.fill(Qt::transparent);
    QPainter painter(&gear);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(kGearSize / 2.0, kGearSize / 2.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.text);
    for (int tooth = 0; tooth < kGearTeeth; ++tooth) {
        painter.drawRect(QRectF(-10, -60, 20, 30));
        painter.rotate(360.0 / kGearTeeth);
    }
    painter.drawEllipse(QPointF(0, 0), 42, 42);
    painter.setBrush(look.tile);
    painter.drawEllipse(QPointF(0, 0), 18, 18);
    return QIcon(gear);
}
