#pragma once

#include <QImage>
#include <QList>

// The notebook's built-in page pictures: ink-wash scenes on white paper,
// each with a red seal.
class PagePicturePainter {
public:
    static constexpr int kWidth = 280;
    static constexpr int kHeight = 300;

    struct Picture {
        QString fileName;
        QImage image;
    };
    static QList<Picture> Paint();

private:
    static QImage MistyMountains();
    static QImage Bamboo();
    static QImage PlumBlossom();
    static QImage MoonOverTheLake();
    static QImage PineOnTheCliff();
    static QImage Lotus();
};
