#pragma once

#include <QImage>

// The programs' own resources: the game's two pointer shapes and the
// programs' icons.
class ResourcePainter {
public:
    // 32 by 32 with the hot spot at (2, 2): a pointer holding a stone at its tip.
    static QImage StonePointer(bool black);
    static QImage GameIcon();
    static QImage NotebookIcon();
};
