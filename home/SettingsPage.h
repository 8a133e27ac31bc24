#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>

// The home screen's Settings, for a finger: language, skin (each usable skin
// with a preview), the pointer on a touch screen and the notes folder. Every
// choice is stored and reaches the running programs at once, through the
// same rules as "orva-shell set".
class CSettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit CSettingsPage(QWidget* parent);

    // Shows the stored settings, texts in the current language.
    void Refresh();

private:
    void MakeLanguageButtons();
    void FillSkins();
    void FillNotesFolders();
    void Change(const QString& key, const QString& value);

    QPushButton m_btnBack { this };
    QLabel m_lblTitle { this };
    QLabel m_lblLanguage { this };
    QButtonGroup m_languages { this };
    QLabel m_lblSkin { this };
    QScrollArea m_skinArea { this };
    QButtonGroup m_skins { this };
    QCheckBox m_chkHidePointer { this };
    QLabel m_lblNotesFolder { this };
    QListWidget m_lstNotesFolders { this };
    // Where a change could not be made, in one short line.
    QLabel m_lblProblem { this };
};
