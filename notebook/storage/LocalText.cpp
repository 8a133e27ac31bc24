#include "notebook/storage/LocalText.h"

#include "shell/LocalTextTable.h"

namespace {

constexpr LocalTextPair kTexts[] = {
    { u"Note Book", u"记事本" },
    { u"Next", u"下一页" },
    { u"Prev", u"上一页" },
    { u"Page %d/%d", u"第%d页/共%d页" },
    { u"Conflict copy: %1", u"冲突副本：%1" },
};

} // namespace

QString GetLocalText(int index)
{
    return GetLocalText(index, COrvaSkins::GetLanguage());
}

QString GetLocalText(int index, ORVA_LANG language)
{
    return QString::fromUtf16(LookUpLocalText(kTexts, index, language));
}

QString FormatPageLabel(int page, int pageCount)
{
    return FormatPageLabel(page, pageCount, COrvaSkins::GetLanguage());
}

QString FormatPageLabel(int page, int pageCount, ORVA_LANG language)
{
    return QString::asprintf(GetLocalText(kPageLabelText, language).toUtf8().constData(), page,
                             pageCount);
}

QString FormatConflictCaption(const QString& title, ORVA_LANG language)
{
    const QString format = language == ORVA_LANG_TURKISH ? QStringLiteral("Çakışma kopyası: %1")
                                                         : GetLocalText(kConflictCaptionText, language);
    return format.arg(title);
}
