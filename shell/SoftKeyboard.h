#pragma once

#include "shell/KeyboardLayout.h"

#include <QWidget>

class QAbstractButton;

// An on-screen keyboard along the bottom of a window, over whatever the
// window shows there. It never takes the focus: each key goes as a key press
// and release to the focused control. Taps on it, on a key or between keys,
// never reach the window below.
class SoftKeyboard : public QWidget {
    Q_OBJECT
public:
    SoftKeyboard(KeyboardLayout layout, QWidget* window);

    // Five rows of keys 40 pixels high: on the 480-pixel screen the
    // notebook's editor keeps seven of its lines above the keyboard.
    static constexpr int kHeight = 230;

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
    void PlaceKeys();
    void TypeText(const QString& letters);
    void SendKey(int key, const QString& text);
    void SetShifted(bool shifted);

    KeyboardLayout m_layout;
    int m_columns = 0;
    bool m_shifted = false;
    QList<KeyPlace> m_places;
    // Each letter key with its letter in lower case, which its label shows
    // while Shift is off.
    QList<LetterKey> m_letterKeys;
};
