#include "go/window/GoLayout.h"

int OptionAt(QPoint pt)
{
    // QRect::contains counts right() = left + width - 1 as inside: the layout's
    // right and bottom edges lie outside, as they should.
    for (std::size_t i = 0; i < kRectLevels.size(); ++i) {
        if (kRectLevels[i].contains(pt))
            return static_cast<int>(i) + 1;
    }
    return kRectCpuFirst.contains(pt) ? 0 : -1;
}
