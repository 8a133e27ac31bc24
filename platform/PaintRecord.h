#pragma once

#include <QRect>
#include <QRegion>

#include <vector>

// What a window was asked to repaint and what it painted, in client pixels,
// oldest first, so that tests can check that a command repainted exactly the
// areas it should.
struct Invalidation {
    QRect rect;
    bool erase = false;

    bool operator==(const Invalidation&) const = default;
};

class PaintRecord {
public:
    void AddInvalidation(const QRect& rect, bool erase);
    void AddPaint(const QRegion& region);
    void Clear();

    const std::vector<Invalidation>& Invalidations() const { return m_invalidations; }
    // Each paint's region, as the paint handler was clipped to it.
    const std::vector<QRegion>& Paints() const { return m_paints; }
    QRegion InvalidatedRegion() const;
    QRegion PaintedRegion() const;

private:
    std::vector<Invalidation> m_invalidations;
    std::vector<QRegion> m_paints;
};
