#include "shell/SoftKeyboard.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QToolButton>

namespace {

// Every row is laid out on a grid of this many columns.
constexpr int kColumns = 30;

const QString kStyle = QStringLiteral(
    "SoftKeyboard { background: #2b2f36; }"
    "QToolButton { color: white; background: #4a505a; border: 1px solid #1d2026; border-radius: 6px;"
    " font: 22px 'DejaVu Sans'; }"
    "QToolButton:pressed, QToolButton:checked { background: #7a8494; }");

} // namespace

SoftKeyboard::SoftKeyboard(KeyboardLayout layout)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , m_layout(std::move(layout))
{
    setObjectName(QStringLiteral("SoftKeyboard"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_StyledBackground);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(kStyle);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setSpacing(5);
    for (int row = 0; row < m_layout.rows.size(); ++row)
        AddLetterRow(grid, m_layout.rows[row], row);
    AddSpecialKeys(grid);
    PlaceAtTheBottom();
}

QAbstractButton* SoftKeyboard::AddKey(QGridLayout* grid, const QString& text, int row, int column, int span)
{
    auto* key = new QToolButton(this);
    key->setText(text);
    key->setFocusPolicy(Qt::NoFocus);
    key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    grid->addWidget(key, row, column, 1, span);
    return key;
}

void SoftKeyboard::AddLetterRow(QGridLayout* grid, const QString& letters, int row)
{
    // Rows are centred; the last columns of rows 0 to 2 hold the special keys.
    const int width = static_cast<int>(letters.size()) * 2;
    const int start = row == 3 ? 3 : (kColumns - 3 - width) / 2;
    for (int i = 0; i < letters.size(); ++i) {
        QAbstractButton* key = AddKey(grid, letters.mid(i, 1), row, start + i * 2, 2);
        key->setObjectName(QStringLiteral("key"));
        connect(key, &QAbstractButton::clicked, this, [this, key] { TypeText(key->text()); });
        m_letterKeys.append(key);
    }
}

void SoftKeyboard::AddSpecialKeys(QGridLayout* grid)
{
    QAbstractButton* backspace = AddKey(grid, QStringLiteral("⌫"), 0, kColumns - 3, 3);
    backspace->setObjectName(QStringLiteral("backspace"));
    connect(backspace, &QAbstractButton::clicked, this, [this] { SendKey(Qt::Key_Backspace, QString()); });
    QAbstractButton* enter = AddKey(grid, QStringLiteral("⏎"), 2, kColumns - 3, 3);
    enter->setObjectName(QStringLiteral("enter"));
    connect(enter, &QAbstractButton::clicked, this, [this] { SendKey(Qt::Key_Return, QStringLiteral("\r")); });
    QAbstractButton* shift = AddKey(grid, QStringLiteral("⇧"), 3, 0, 3);
    shift->setObjectName(QStringLiteral("shift"));
    shift->setCheckable(true);
    connect(shift, &QAbstractButton::toggled, this, &SoftKeyboard::SetShifted);
    QAbstractButton* space = AddKey(grid, QString(), 4, 5, kColumns - 10);
    space->setObjectName(QStringLiteral("space"));
    connect(space, &QAbstractButton::clicked, this, [this] { SendKey(Qt::Key_Space, QStringLiteral(" ")); });
}

void SoftKeyboard::TypeText(const QString& letters)
{
    SendKey(Qt::Key_unknown, letters);
    if (m_shifted)
        findChild<QAbstractButton*>(QStringLiteral("shift"))->setChecked(false);
}

void SoftKeyboard::SendKey(int key, const QString& text)
{
    QWidget* target = QApplication::focusWidget();
    if (!target)
        return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

void SoftKeyboard::SetShifted(bool shifted)
{
    m_shifted = shifted;
    for (QAbstractButton* key : m_letterKeys) {
        const QString text = key->text();
        key->setText(shifted ? m_layout.locale.toUpper(text) : m_layout.locale.toLower(text));
    }
}

void SoftKeyboard::PlaceAtTheBottom()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 800, 480);
    setGeometry(area.left(), area.bottom() + 1 - kHeight, area.width(), kHeight);
}
