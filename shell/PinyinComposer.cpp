#include "shell/PinyinComposer.h"

#include "shell/CandidateBar.h"
#include "shell/PinyinEngine.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QTextCharFormat>
#include <QWidget>

PinyinComposer::PinyinComposer(PinyinEngine& engine, CandidateBar& bar, Target target)
    : m_engine(engine)
    , m_bar(bar)
    , m_target(std::move(target))
{
    m_engine.SetPinyin(QString());
}

bool PinyinComposer::IsComposing() const
{
    return !m_engine.Pinyin().isEmpty();
}

void PinyinComposer::AddLetter(const QString& letter)
{
    m_engine.SetPinyin(m_engine.Pinyin() + letter);
    Update(QString());
}

void PinyinComposer::RemoveLetter()
{
    Q_ASSERT(IsComposing());
    m_engine.SetPinyin(m_engine.Pinyin().chopped(1));
    Update(QString());
}

void PinyinComposer::Choose(int index)
{
    if (index < 0 || index >= m_engine.CandidateCount())
        return;
    const QString chosen = m_engine.Choose(index);
    Update(chosen);
}

void PinyinComposer::CommitLetters()
{
    const QString letters = m_engine.Pinyin();
    m_engine.SetPinyin(QString());
    Update(letters);
}

void PinyinComposer::CommitBestAnd(const QString& text)
{
    // Letters no candidate covers go in as they are.
    QString commit = m_engine.CandidateCount() > 0 ? m_engine.Choose(0) : QString();
    commit += m_engine.Pinyin();
    m_engine.SetPinyin(QString());
    Update(commit + text);
}

// The control shows the letters still composing, underlined, with the caret
// after them, as it would from a desktop input method.
void PinyinComposer::Update(const QString& commit)
{
    m_bar.SetCandidates(m_engine.CandidateCount(), [this](int index) { return m_engine.Candidate(index); });
    QWidget* target = m_target();
    if (!target)
        return;
    const QString& preedit = m_engine.Pinyin();
    QTextCharFormat underlined;
    underlined.setFontUnderline(true);
    QList<QInputMethodEvent::Attribute> attributes {
        { QInputMethodEvent::TextFormat, 0, int(preedit.size()), underlined },
        { QInputMethodEvent::Cursor, int(preedit.size()), 1, QVariant() },
    };
    QInputMethodEvent event(preedit, attributes);
    event.setCommitString(commit);
    QCoreApplication::sendEvent(target, &event);
}
