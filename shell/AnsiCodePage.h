#pragma once

#include <QByteArray>

// The device's ANSI code page, the "codepage" shell setting (default 65001,
// UTF-8), as an iconv conversion to or from UTF-16.
class AnsiCodePage {
public:
    static constexpr int kUtf8 = 65001;

    // The configured code page, read anew.
    static int Configured();
    // The iconv name of a code page ("CP1252"); UTF-8 for 65001.
    static QByteArray IconvName(int codePage);
    // True when iconv converts that code page.
    static bool IsKnown(int codePage);
    // The iconv name of the configured code page, or of UTF-8 when iconv does
    // not know that page.
    static QByteArray ActiveIconvName();
};
