#pragma once

#include <QSize>

// The device's screen: every program's main window covers all of it.
constexpr QSize kScreenSize(800, 480);
