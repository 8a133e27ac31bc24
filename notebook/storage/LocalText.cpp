#include "notebook/storage/LocalText.h"

#include "shell/LocalTextTable.h"

namespace {

constexpr LocalTextPair kTexts[] = {
    { u"Note Book", u"记事本" },
    { u"Next", u"下一页" },
    { u"Prev", u"上一页" },
    { u"Page %d/%d", u"第%d页/共%d页" },
};

// Texts in English, Chinese and Turkish: the save status lines and a sync
// engine's conflict caption.
struct StatusText {
    const char16_t* english;
    const char16_t* chinese;
    const char16_t* turkish;
};

// In the order of SaveProblem, from FileReadOnly on.
constexpr StatusText kNotSavedTexts[] = {
    { u"Not saved: the file is read-only", u"未保存：文件只读", u"Kaydedilmedi: dosya salt okunur" },
    { u"Not saved: the folder is read-only", u"未保存：文件夹只读", u"Kaydedilmedi: klasör salt okunur" },
    { u"Not saved: the disk is full", u"未保存：磁盘已满", u"Kaydedilmedi: disk dolu" },
    { u"Not saved: the folder is gone", u"未保存：文件夹不存在", u"Kaydedilmedi: klasör yok" },
    { u"Not saved: the name is too long", u"未保存：文件名太长", u"Kaydedilmedi: ad çok uzun" },
    { u"Not saved: the file cannot be written", u"未保存：无法写入文件", u"Kaydedilmedi: dosya yazılamıyor" },
};

// In the order of Redirection, from NewNote on.
constexpr StatusText kRedirectedTexts[] = {
    { u"Saved to a new note: %1", u"已另存为新笔记：%1", u"Yeni nota kaydedildi: %1" },
    { u"Saved to a conflict copy: %1", u"已另存为冲突副本：%1", u"Çakışma kopyasına kaydedildi: %1" },
    { u"Saved to the recovery folder: %1", u"已保存到恢复文件夹：%1", u"Kurtarma klasörüne kaydedildi: %1" },
};

constexpr StatusText kSyncConflictCaption = { u"Conflict copy: %1", u"冲突副本：%1", u"Çakışma kopyası: %1" };

QString InLanguage(const StatusText& text, ORVA_LANG language)
{
    switch (language) {
    case ORVA_LANG_CHINESE: return QString::fromUtf16(text.chinese);
    case ORVA_LANG_TURKISH: return QString::fromUtf16(text.turkish);
    default: return QString::fromUtf16(text.english);
    }
}

static_assert(std::size(kNotSavedTexts) == std::size_t(SaveProblem::CannotWrite));
static_assert(std::size(kRedirectedTexts) == std::size_t(Redirection::RecoveryFolder));

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
    return QString::asprintf(GetLocalText(kPageLabelText, language).toUtf8().constData(), page, pageCount);
}

QString FormatSaveStatus(SaveProblem problem, Redirection redirection, const QString& fileName, ORVA_LANG language)
{
    if (problem != SaveProblem::None)
        return InLanguage(kNotSavedTexts[std::size_t(problem) - std::size_t(SaveProblem::FileReadOnly)], language);
    if (redirection != Redirection::None)
        return InLanguage(kRedirectedTexts[std::size_t(redirection) - std::size_t(Redirection::NewNote)], language)
            .arg(fileName);
    return {};
}

QString FormatConflictCaption(const QString& title, ORVA_LANG language)
{
    return InLanguage(kSyncConflictCaption, language).arg(title);
}
