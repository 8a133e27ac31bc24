#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

// The home screen's colours, taken from the current skin's colour words.
struct HomeLook {
    QColor background;
    QColor tile;
    QColor text;

    // The style of the home screen's widgets in these colours.
    QString StyleSheet() const;
};

HomeLook CurrentHomeLook();
// A gear drawn in the look's text colour, for the Settings tile.
QIcon SettingsIcon(const HomeLook& look);
