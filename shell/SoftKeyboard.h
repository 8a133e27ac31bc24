#pragma once

#include "shell/KeyboardLayout.h"

#include <QWidget>

#include <memory>

class CandidateBar;
class PinyinComposer;
class PinyinEngine;
class QAbstractButton;

// An on-screen keyboard along the bottom of a window, over whatever the
// window shows there. It never takes the focus: each key goes as a key press
// and release to the window's focused control. Taps on it, on a key or
// between keys, never reach the window below.
//
// With a pinyin engine it types Chinese: the letters compose pinyin, shown
// in the control as an input method's pre-edit text, and a candidate bar
// along its top offers what they may stand for. The 中/英 key switches
// between Chinese and plain letters.
class SoftKeyboard : public QWidget {
    Q_OBJECT
public:
    SoftKeyboard(KeyboardLayout layout, QWidget* window, PinyinEngine* pinyin = nullptr);
    ~SoftKeyboard() override;

    // Five rows of keys 40 pixels high: on the 480-pixel screen the
    // notebook's editor keeps seven of its lines above the keyboard, five
    // above the pinyin keyboard with its candidate bar.
    static constexpr int kHeight = 230;

    // Puts the pinyin still composing in as letters, as Enter does; for
    // when the keyboard goes away.
    void EndComposition();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // A key's cell: keys are laid out on a grid of half-key columns.
    struct KeyPlace {
        QAbstractButton* button = nullptr;
        int row = 0;
        int column = 0;
        int span = 0;
    };
    struct LetterKey {
        QAbstractButton* button = nullptr;
        QString letter;
    };

    QAbstractButton* AddKey(const QString& name, const QString& text, int row, int column, int span);
    void AddLetters(const QString& letters, int row, int column);
    void AddKeys();
    void AddBottomRow(int shiftColumn, int lettersColumn);
    void PlaceKeys();
    QWidget* Target() const;
    void TypeLetter(const QString& letter);
    void TypeInChinese(const QString& text);
    void PressBackspace();
    void PressEnter();
    void PressSpace();
    void SendKey(int key, const QString& text);
    void SetShifted(bool shifted);
    void SwitchChinese();
    void ShowLabels();
    bool IsComposing() const;

    KeyboardLayout m_layout;
    int m_columns = 0;
    bool m_shifted = false;
    bool m_chinese = false;
    QList<KeyPlace> m_places;
    // Each letter key with its letter in lower case, which its label shows
    // while Shift is off.
    QList<LetterKey> m_letterKeys;
    QAbstractButton* m_modeKey = nullptr;
    CandidateBar* m_candidates = nullptr;
    std::unique_ptr<PinyinComposer> m_composer;
};
