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

QByteArray AnsiCodePage::ActiveIconvName()
{
    const QByteArray name = IconvName(Configured());
    const iconv_t probe = iconv_open(name.constData(), "UTF-16LE");
    if (probe == reinterpret_cast<iconv_t>(-1))
        return IconvName(kUtf8);
    iconv_close(probe);
    return name;
}
