#include "home/HomeText.h"

#include "shell/OrvaSkins.h"

#include <array>

namespace {

struct HomeTextEntry {
    const char16_t* english;
    const char16_t* chinese;
    const char16_t* turkish;
};

// In the order of HomeText.
constexpr std::array kTexts = {
    HomeTextEntry { u"Go", u"五子棋", u"Go" },
    HomeTextEntry { u"NoteBook", u"记事本", u"Not Defteri" },
    HomeTextEntry { u"Settings", u"设置", u"Ayarlar" },
    HomeTextEntry { u"Back", u"返回", u"Geri" },
    HomeTextEntry { u"Language", u"语言", u"Dil" },
    HomeTextEntry { u"Skin", u"皮肤", u"Tema" },
    HomeTextEntry { u"Hide the pointer (touch screen)", u"隐藏指针（触摸屏）", u"İşaretçiyi gizle (dokunmatik ekran)" },
    HomeTextEntry { u"Notes folder", u"笔记文件夹", u"Not klasörü" },
};

} // namespace

QString GetHomeText(HomeText text)
{
    const HomeTextEntry& entry = kTexts.at(static_cast<std::size_t>(text));
    switch (COrvaSkins::GetLanguage()) {
    case ORVA_LANG_CHINESE: return QString::fromUtf16(entry.chinese);
    case ORVA_LANG_TURKISH: return QString::fromUtf16(entry.turkish);
    default: return QString::fromUtf16(entry.english);
    }
}

QLocale HomeLocale()
{
    switch (COrvaSkins::GetLanguage()) {
    case ORVA_LANG_CHINESE: return QLocale(QLocale::Chinese, QLocale::China);
    case ORVA_LANG_TURKISH: return QLocale(QLocale::Turkish, QLocale::Turkey);
    default: return QLocale(QLocale::English, QLocale::UnitedStates);
    }
}
