#include "notebook/window/NoteLineBreaks.h"

#include <QTextDocument>

QString LineBreakOfNote(const CNote& note)
{
    if (note.m_strText.contains(u"\r\n"))
        return QStringLiteral("\r\n");
    if (note.m_strText.contains(u'\n') || !note.m_bArchive)
        return QStringLiteral("\n");
    return QStringLiteral("\r\n");
}

QString NoteTextFromDocument(const QTextDocument& document, const QString& lineBreak)
{
    QString text = document.toRawText();
    text.replace(QChar::ParagraphSeparator, lineBreak);
    return text;
}
