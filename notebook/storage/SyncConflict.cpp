#include "notebook/storage/SyncConflict.h"

#include "notebook/storage/LocalText.h"

#include <QRegularExpression>

std::optional<QString> ConflictCopyOf(const QString& fileName)
{
    static const QRegularExpression conflictName(
        QStringLiteral("^(.+)\\.sync-conflict-[0-9]{8}-[0-9]{6}-[A-Z2-7]{7}(\\.[^.]*)?$"));
    const QRegularExpressionMatch match = conflictName.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1) + match.captured(2);
}

QString PageCaption(const CNote& note)
{
    return PageCaption(note, COrvaSkins::GetLanguage());
}

QString PageCaption(const CNote& note, ORVA_LANG language)
{
    const QString fileName = note.m_strPath.mid(note.m_strPath.lastIndexOf(u'\\') + 1);
    if (!ConflictCopyOf(fileName))
        return note.m_strTitle;
    return FormatConflictCaption(note.m_strTitle, language);
}
