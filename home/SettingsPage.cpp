#include "home/SettingsPage.h"

#include "home/HomeText.h"
#include "platform/device/DevicePath.h"
#include "shell/SettingRules.h"
#include "shell/SkinFolder.h"

#include <QDirIterator>
#include <QHBoxLayout>
#include <QLoggingCategory>
#include <QToolButton>

Q_LOGGING_CATEGORY(lcSettingsPage, "orva.home.settings")

namespace {

struct LanguageChoice {
    const char16_t* name; // in its own language
    const char16_t* value;
};
constexpr LanguageChoice kLanguages[] = { { u"中文", u"1" }, { u"English", u"0" }, { u"Türkçe", u"6" } };

constexpr QSize kPreviewSize(150, 90);
constexpr QSize kSkinButtonSize(180, 140);
// Folders this deep under the device root are offered for the notes.
constexpr int kFolderDepth = 2;

QString Setting(const QString& key)
{
    return SettingRules::Value(*SettingRules::Find(key));
}

// The folders under the device root, as device paths, but the shell's own.
QStringList DeviceFolders()
{
    const QString root = DeviceRoot();
    QStringList folders;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = QDir(root).relativeFilePath(it.next());
        if (relative.count(u'/') >= kFolderDepth
            || relative.section(u'/', 0, 0).compare(u"Orva", Qt::CaseInsensitive) == 0)
            continue;
        folders.append(u'\\' + QString(relative).replace(u'/', u'\\'));
    }
    folders.sort(Qt::CaseInsensitive);
    return folders;
}

} // namespace

CSettingsPage::CSettingsPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("settings"));
    setAttribute(Qt::WA_StyledBackground);
    m_btnBack.setGeometry(10, 10, 140, 56);
    m_btnBack.setFocusPolicy(Qt::NoFocus);
    connect(&m_btnBack, &QPushButton::clicked, this, &QWidget::hide);
    m_lblTitle.setGeometry(180, 10, 400, 56);
    m_lblTitle.setObjectName(QStringLiteral("date"));
    m_lblLanguage.setGeometry(20, 80, 200, 50);
    MakeLanguageButtons();
    m_lblSkin.setGeometry(20, 140, 200, 50);
    m_skinArea.setGeometry(230, 140, 550, 160);
    m_skinArea.setFrameShape(QFrame::NoFrame);
    m_skinArea.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_chkHidePointer.setGeometry(20, 305, 760, 40);
    m_chkHidePointer.setFocusPolicy(Qt::NoFocus);
    connect(&m_chkHidePointer, &QCheckBox::clicked, this,
        [this](bool hidden) { Change(QStringLiteral("touch"), hidden ? QStringLiteral("1") : QStringLiteral("0")); });
    m_lblNotesFolder.setGeometry(20, 350, 200, 50);
    m_lstNotesFolders.setGeometry(230, 350, 550, 120);
    m_lstNotesFolders.setFocusPolicy(Qt::NoFocus);
    connect(&m_lstNotesFolders, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { Change(QStringLiteral("note_path"), item->text()); });
    m_lblProblem.setGeometry(20, 410, 200, 60);
    m_lblProblem.setWordWrap(true);
    Refresh();
}

void CSettingsPage::MakeLanguageButtons()
{
    int left = 230;
    for (const LanguageChoice& language : kLanguages) {
        auto* button = new QPushButton(QString::fromUtf16(language.name), this);
        button->setGeometry(left, 80, 170, 50);
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setProperty("value", QString::fromUtf16(language.value));
        m_languages.addButton(button);
        left += 190;
    }
    connect(&m_languages, &QButtonGroup::buttonClicked, this,
        [this](QAbstractButton* button) { Change(QStringLiteral("language"), button->property("value").toString()); });
}

void CSettingsPage::Refresh()
{
    m_btnBack.setText(GetHomeText(HomeText::Back));
    m_lblTitle.setText(GetHomeText(HomeText::Settings));
    m_lblLanguage.setText(GetHomeText(HomeText::Language));
    m_lblSkin.setText(GetHomeText(HomeText::Skin));
    m_chkHidePointer.setText(GetHomeText(HomeText::HidePointer));
    m_lblNotesFolder.setText(GetHomeText(HomeText::NotesFolder));
    const QString language = Setting(QStringLiteral("language"));
    for (QAbstractButton* button : m_languages.buttons())
        button->setChecked(button->property("value").toString() == language);
    m_chkHidePointer.setChecked(Setting(QStringLiteral("touch")) == u"1");
    FillSkins();
    FillNotesFolders();
}

void CSettingsPage::FillSkins()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QAbstractButton* button : m_skins.buttons())
        m_skins.removeButton(button);
    const QString current = SkinFolder::Current();
    for (const QString& skin : SkinFolder::Available()) {
        auto* button = new QToolButton(row);
        button->setFixedSize(kSkinButtonSize);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIconSize(kPreviewSize);
        button->setIcon(QPixmap::fromImage(SkinFolder::LoadImage(skin, SkinFolder::ScreenImages().first())
                                               .scaled(kPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        button->setText(skin);
        button->setCheckable(true);
        button->setChecked(skin == current);
        button->setFocusPolicy(Qt::NoFocus);
        m_skins.addButton(button);
        layout->addWidget(button);
    }
    layout->addStretch();
    m_skinArea.setWidget(row);
    disconnect(&m_skins, nullptr, this, nullptr);
    connect(&m_skins, &QButtonGroup::buttonClicked, this,
        [this](QAbstractButton* button) { Change(QStringLiteral("skin"), button->text()); });
}

void CSettingsPage::FillNotesFolders()
{
    const QString current = Setting(QStringLiteral("note_path"));
    QStringList folders = DeviceFolders();
    if (!folders.contains(current))
        folders.prepend(current);
    m_lstNotesFolders.clear();
    m_lstNotesFolders.addItems(folders);
    m_lstNotesFolders.setCurrentRow(int(folders.indexOf(current)));
}

void CSettingsPage::Change(const QString& key, const QString& value)
{
    // A new language or skin comes back as the home screen's own code 3 or
    // 4, which refreshes the page.
    const SettingChange change = SettingRules::Change(key, value);
    m_lblProblem.setText(change.problem);
    if (change.result == SettingChangeResult::Done)
        return;
    qCWarning(lcSettingsPage) << "not changed:" << change.problem;
    // The buttons go back to what is stored, once the tap is over.
    QMetaObject::invokeMethod(this, &CSettingsPage::Refresh, Qt::QueuedConnection);
}
