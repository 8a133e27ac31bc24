#pragma once

#include <QString>

#include <functional>

class CandidateBar;
class PinyinEngine;
class QWidget;

// Pinyin typed on the soft keyboard, delivered as a desktop input method
// delivers it: the letters show in the focused control as pre-edit text,
// underlined at the caret, and a chosen candidate goes in as committed text.
class PinyinComposer {
public:
    using Target = std::function<QWidget*()>;
    PinyinComposer(PinyinEngine& engine, CandidateBar& bar, Target target);

    bool IsComposing() const;
    void AddLetter(const QString& letter);
    void RemoveLetter();
    // Puts candidate index in; the letters it does not cover stay composing.
    void Choose(int index);
    // Puts the letters in as they are and ends the composition.
    void CommitLetters();
    // Puts the best candidate in, if composing, and then text.
    void CommitBestAnd(const QString& text);

private:
    void Update(const QString& commit);

    PinyinEngine& m_engine;
    CandidateBar& m_bar;
    Target m_target;
};
