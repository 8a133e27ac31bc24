#include "notebook/storage/LocalText.h"

#include <array>

namespace {

struct LocalText {
    const char16_t* english;
    const char16_t* chinese;
};

constexpr std::array<LocalText, 4> kTexts = { {
    { u"Note Book", u"记事本" },
    { u"Next", u"下一页" },
    { u"Prev", u"上一页" },
    { u"Page %d/%d", u"第%d页/共%d页" },
} };

} // namespace

QString GetLocalText(int index)
{
    return GetLocalText(index, COrvaSkins::GetLanguage());
}

QString GetLocalText(int index, ORVA_LANG language)
{
    if (index < 0 || index >= int(kTexts.size()))
        return QString();
    const LocalText& text = kTexts[std::size_t(index)];
    if (language == ORVA_LANG_CHINESE && text.chinese)
        return QString::fromUtf16(text.chinese);
    return QString::fromUtf16(text.english);
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
