#pragma once

#include <QLocale>
#include <QStringList>

// The letter keys of a soft keyboard layout, row by row, in lower case; the
// locale gives their upper case (Turkish i becomes İ, ı becomes I).
struct KeyboardLayout {
    QStringList rows;
    QLocale locale;
    // Marks on the bottom row, beside the space bar.
    QString bottomMarks;

    static KeyboardLayout English();
    static KeyboardLayout Turkish();
    // The English letters for pinyin, with the marks Chinese text needs.
    static KeyboardLayout Pinyin();

    // The full-width form Chinese text takes of a mark (，for ,); any other
    // key's text as it is.
    static QString ChineseMark(const QString& key);
};
