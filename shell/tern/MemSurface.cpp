#include "shell/tern/MemSurface.h"

CMemSurface::CMemSurface() = default;

CMemSurface::~CMemSurface() = default;

void CMemSurface::Create(const QPaintDevice*)
{
    m_image = QImage();
}

void CMemSurface::LoadBitmapW(QImage image)
{
    // Assigning keeps the QImage object, so pointers from GetDC stay valid.
    m_image = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}
