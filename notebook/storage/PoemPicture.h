#pragma once

#include <QPainter>
#include <QRect>
#include <QString>

// One page picture: a bitmap file named by a device path, read anew at every
// drawing (nothing is cached).
class CPoemPicture {
public:
    CPoemPicture() = default;
    CPoemPicture(const CPoemPicture&) = default;
    CPoemPicture& operator=(const CPoemPicture&) = default;
    virtual ~CPoemPicture() = default;

    bool SetPath(const QString& path);
    const QString& GetPath() const { return m_strPath; }

    // Fills rect white and copies the bitmap's pixels unscaled into it,
    // centred across and standing on its bottom edge; a bitmap larger than
    // rect shows only its top-left part, of rect's size. A file that cannot
    // be loaded leaves rect white.
    void Draw(QPainter& painter, const QRect& rect) const;

private:
    QString m_strPath;
};
