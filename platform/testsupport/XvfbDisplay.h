#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

// A private X server (Xvfb) with one 800 by 480 screen and no window manager,
// the situation of a touch board or a kiosk, for tests that need a real X
// display. The server takes the first free display number and ends with the
// object.
class XvfbDisplay {
public:
    XvfbDisplay();
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    // Whether the server runs; when not, Error() says why.
    bool IsRunning() const { return !m_strName.isEmpty(); }
    const QString& Error() const { return m_strError; }
    // ":N", for DISPLAY.
    const QString& Name() const { return m_strName; }
    // The caller's environment with DISPLAY set to this server and the xcb
    // platform, for a program started on it.
    QProcessEnvironment Environment() const;

private:
    QProcess m_server;
    QString m_strName;
    QString m_strError;
};
