#pragma once

#include <QImage>

class QPaintDevice;

// An off-screen surface holding one image. GetDC() is the surface's image:
// draw on it with QPainter, copy from it (CopyImage), read a pixel
// (GetPixel), or hand it to widgets as their background (SetBkDC, Init).
// The pointer stays valid, and keeps showing the current image, for the
// surface's whole life.
class CMemSurface {
public:
    CMemSurface();
    virtual ~CMemSurface();

    // Makes the surface compatible with the reference device (32-bit RGB).
    void Create(const QPaintDevice* reference);
    // Makes image the surface's content, pixel (0, 0) at the origin; a null
    // image leaves the surface empty (copies from it draw nothing).
    void LoadBitmapW(QImage image);
    QImage* GetDC() { return &m_image; }
    const QImage* GetDC() const { return &m_image; }

private:
    QImage m_image;
};
