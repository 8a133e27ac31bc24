#include "shell/AnsiCodePage.h"

#include "shell/ShellSettings.h"

#include <iconv.h>

int AnsiCodePage::Configured()
{
    return ShellSettings::IntValue(QStringLiteral("codepage"), kUtf8);
}

QByteArray AnsiCodePage::IconvName(int codePage)
{
    if (codePage == kUtf8)
        return QByteArrayLiteral("UTF-8");
    return "CP" + QByteArray::number(codePage);
}

bool AnsiCodePage::IsKnown(int codePage)
{
    const iconv_t probe = iconv_open(IconvName(codePage).constData(), "UTF-16LE");
    if (probe == reinterpret_cast<iconv_t>(-1))
        return false;
    iconv_close(probe);
    return true;
}

QByteArray AnsiCodePage::ActiveIconvName()
{
    const int codePage = Configured();
    return IconvName(IsKnown(codePage) ? codePage : kUtf8);
}
