#pragma once

#include <QLocale>
#include <QString>

// The home screen's texts, in the shell's three languages.
enum class HomeText {
    Go,
    NoteBook,
    Settings,
    Back,
    Language,
    Skin,
    HidePointer,
    NotesFolder,
};

// The text in the current language: Chinese (1), Turkish (6), else English.
QString GetHomeText(HomeText text);
// The locale of the current language, for the date.
QLocale HomeLocale();
