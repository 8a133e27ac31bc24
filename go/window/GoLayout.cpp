#include "go/window/GoLayout.h"

int OptionAt(QPoint pt)
{
    for (std::size_t i = 0; i < kRectLevels.size(); ++i) {
        if (QRectFromRect(kRectLevels[i]).contains(pt))
            return static_cast<int>(i) + 1;
    }
    return QRectFromRect(kRectCpuFirst).contains(pt) ? 0 : -1;
}
