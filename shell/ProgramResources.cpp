#include "shell/ProgramResources.h"

#include "platform/device/DeviceFiles.h"
#include "platform/device/DevicePath.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

namespace {

constexpr int kHotSpot = 2;

} // namespace

QCursor LoadProgramCursor(int resourceId)
{
    const QImage shape = LoadDeviceBitmap(QStringLiteral("\\Orva\\Resources\\Cursor%1.png").arg(resourceId));
    if (shape.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(shape), kHotSpot, kHotSpot);
}

QImage LoadProgramIcon(const QString& program)
{
    if (!IsPlainFileName(program))
        return {};
    return LoadDeviceBitmap(QStringLiteral("\\Orva\\Resources\\") + program + QStringLiteral(".png"));
}

void SetProgramIdentity(const QString& program, const QString& desktopEntry)
{
    QGuiApplication::setWindowIcon(QPixmap::fromImage(LoadProgramIcon(program)));
    QGuiApplication::setDesktopFileName(desktopEntry);
}
