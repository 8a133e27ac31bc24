#include "platform/PaintRecord.h"

void PaintRecord::AddInvalidation(const QRect& rect, bool erase)
{
    m_invalidations.push_back({ rect, erase });
}

void PaintRecord::AddPaint(const QRegion& region)
{
    m_paints.push_back(region);
}

void PaintRecord::Clear()
{
    m_invalidations.clear();
    m_paints.clear();
}

QRegion PaintRecord::InvalidatedRegion() const
{
    QRegion region;
    for (const Invalidation& invalidation : m_invalidations)
        region += invalidation.rect;
    return region;
}

QRegion PaintRecord::PaintedRegion() const
{
    QRegion region;
    for (const QRegion& paint : m_paints)
        region += paint;
    return region;
}
