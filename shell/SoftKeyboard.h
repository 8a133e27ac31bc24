#pragma once

#include "shell/KeyboardLayout.h"

#include <QWidget>

class QAbstractButton;
class QGridLayout;

// An on-screen keyboard along the bottom of the screen. It never takes the
// focus: each key goes as a key press and release to the focused control.
class SoftKeyboard : public QWidget {
    Q_OBJECT
public:
    explicit SoftKeyboard(KeyboardLayout layout);

    static constexpr int kHeight = 200;

private:
    QAbstractButton* AddKey(QGridLayout* grid, const QString& text, int row, int column, int span);
    void AddLetterRow(QGridLayout* grid, const QString& letters, int row);
    void AddSpecialKeys(QGridLayout* grid);
    void TypeText(const QString& letters);
    void SendKey(int key, const QString& text);
    void SetShifted(bool shifted);
    void PlaceAtTheBottom();

    KeyboardLayout m_layout;
    bool m_shifted = false;
    QList<QAbstractButton*> m_letterKeys;
};
