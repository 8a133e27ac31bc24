#include "notebook/storage/PoemPicture.h"

#include "platform/device/DeviceFiles.h"

#include <QImage>

#include <algorithm>

bool CPoemPicture::SetPath(const QString& path)
{
    m_strPath = path;
    return true;
}

void CPoemPicture::Draw(QPainter& painter, const QRect& rect) const
{
    painter.fillRect(rect, Qt::white);
    const QImage bitmap = LoadDeviceBitmap(m_strPath);
    if (bitmap.isNull())
        return;
    const int x = std::max(rect.left(), rect.left() + (rect.width() - bitmap.width()) / 2);
    const int y = std::max(rect.top(), rect.top() + rect.height() - bitmap.height());
    const QRect block(0, 0, std::min(bitmap.width(), rect.width()), std::min(bitmap.height(), rect.height()));
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(x, y), bitmap, block);
    painter.restore();
}
