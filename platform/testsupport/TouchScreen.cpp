#include "platform/testsupport/TouchScreen.h"

#include <QPointingDevice>
#include <QTest>
#include <QWidget>

namespace {

QPointingDevice* TouchScreenDevice()
{
    static QPointingDevice* const device = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    return device;
}

} // namespace

void TouchAt(QWidget* window, QPoint point)
{
    QTest::touchEvent(window, TouchScreenDevice()).press(0, point).commit(false);
    QTest::touchEvent(window, TouchScreenDevice()).release(0, point).commit(false);
}
