#include "notebook/window/NoteLineBreaks.h"

#include <QRegularExpression>
#include <QTextDocument>

#include <array>

namespace {

const QRegularExpression& AnyLineBreak()
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return lineBreak;
}

} // namespace

QString LineBreakOfNote(const CNote& note)
{
    const QString& text = note.m_strText;
    const qsizetype crlf = text.count(u"\r\n");
    const std::array<std::pair<qsizetype, QString>, 3> counts { {
        { crlf, QStringLiteral("\r\n") },
        { text.count(u'\n') - crlf, QStringLiteral("\n") },
        { text.count(u'\r') - crlf, QStringLiteral("\r") },
    } };
    const auto* most = &counts[0];
    for (const auto& count : counts) {
        if (count.first > most->first)
            most = &count;
    }
    if (most->first > 0)
        return most->second;
    return note.m_bArchive ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

QString NoteTextFromDocument(const QTextDocument& document, const QString& lineBreak)
{
    QString text = document.toRawText();
    text.replace(QChar::ParagraphSeparator, lineBreak);
    return text;
}

bool EditorHoldsText(const QString& text, const QString& shownText, const QString& lineBreak)
{
    QString unified = text;
    unified.replace(AnyLineBreak(), lineBreak);
    return unified == shownText;
}
