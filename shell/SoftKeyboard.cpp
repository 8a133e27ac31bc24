#include "shell/SoftKeyboard.h"

#include "shell/Wren.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int kRows = 5;
constexpr int kMargin = 6;
constexpr int kSpacing = 5;
// Widths in half-key columns.
constexpr int kLetterSpan = 2;
constexpr int kSideKeySpan = 3;
constexpr int kHideKeySpan = 4;

const QString kStyle = QStringLiteral(
    "SoftKeyboard { background: #2b2f36; border-top: 1px solid #15171b; }"
    "QToolButton { color: white; background: #4a505a; border: 1px solid #1d2026; border-radius: 6px;"
    " font: 22px 'DejaVu Sans'; }"
    "QToolButton#backspace, QToolButton#enter, QToolButton#shift, QToolButton#hide { background: #383d45; }"
    "QToolButton:pressed, QToolButton#shift:checked { background: #7a8494; }");

int LettersSpan(const QString& letters)
{
    return static_cast<int>(letters.size()) * kLetterSpan;
}

} // namespace

SoftKeyboard::SoftKeyboard(KeyboardLayout layout, QWidget* window)
    : QWidget(window)
    , m_layout(std::move(layout))
{
    setObjectName(QStringLiteral("SoftKeyboard"));
    setAttribute(Qt::WA_StyledBackground);
    // A tap between the keys stops here instead of going on to the window.
    setAttribute(Qt::WA_NoMousePropagation);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(kStyle);
    AddKeys();
    setGeometry(0, window->height() - kHeight, window->width(), kHeight);
    raise();
}

// Rows 0 to 3 are centred, each with its special key: backspace after the
// digits, Enter after the middle letters, Shift before the bottom letters.
// The widest row leaves half a key free at either side.
void SoftKeyboard::AddKeys()
{
    const QStringList& rows = m_layout.rows;
    const int widths[] = {LettersSpan(rows.value(0)) + kSideKeySpan, LettersSpan(rows.value(1)),
        LettersSpan(rows.value(2)) + kSideKeySpan, kSideKeySpan + LettersSpan(rows.value(3))};
    m_columns = *std::max_element(std::begin(widths), std::end(widths)) + 2;
    const auto start = [this, &widths](int row) { return (m_columns - widths[row]) / 2; };

    AddLetters(rows.value(0), 0, start(0));
    QAbstractButton* backspace
        = AddKey(QStringLiteral("backspace"), QStringLiteral("⌫"), 0, start(0) + LettersSpan(rows.value(0)), kSideKeySpan);
    AddLetters(rows.value(1), 1, start(1));
    AddLetters(rows.value(2), 2, start(2));
    QAbstractButton* enter
        = AddKey(QStringLiteral("enter"), QStringLiteral("⏎"), 2, start(2) + LettersSpan(rows.value(2)), kSideKeySpan);
    QAbstractButton* shift = AddKey(QStringLiteral("shift"), QStringLiteral("⇧"), 3, start(3), kSideKeySpan);
    const int bottomLetters = start(3) + kSideKeySpan;
    AddLetters(rows.value(3), 3, bottomLetters);
    const int hideColumn = m_columns - 1 - kHideKeySpan;
    QAbstractButton* space = AddKey(QStringLiteral("space"), QString(), 4, bottomLetters, hideColumn - 1 - bottomLetters);
    QAbstractButton* hide = AddKey(QStringLiteral("hide"), QStringLiteral("⌨ ▾"), 4, hideColumn, kHideKeySpan);

    connect(backspace, &QAbstractButton::clicked, this, [this] { SendKey(Qt::Key_Backspace, QString()); });
    connect(enter, &QAbstractButton::clicked, this, [this] { SendKey(Qt::Key_Return, QStringLiteral("\r")); });
    shift->setCheckable(true);
    connect(shift, &QAbstractButton::toggled, this, &SoftKeyboard::SetShifted);
    connect(space, &QAbstractButton::clicked, this, [this] { SendKey(Qt::Key_Space, QStringLiteral(" ")); });
    connect(hide, &QAbstractButton::clicked, this, [] { SipHideIM(); });
}

QAbstractButton* SoftKeyboard::AddKey(const QString& name, const QString& text, int row, int column, int span)
{
    auto* key = new QToolButton(this);
    key->setObjectName(name);
    key->setText(text);
    key->setFocusPolicy(Qt::NoFocus);
    m_places.append({key, row, column, span});
    return key;
}

void SoftKeyboard::AddLetters(const QString& letters, int row, int column)
{
    for (int i = 0; i < letters.size(); ++i) {
        const QString letter = letters.mid(i, 1);
        QAbstractButton* key = AddKey(QStringLiteral("key"), letter, row, column + i * kLetterSpan, kLetterSpan);
        connect(key, &QAbstractButton::clicked, this, [this, key] { TypeText(key->text()); });
        m_letterKeys.append({key, letter});
    }
}

void SoftKeyboard::resizeEvent(QResizeEvent*)
{
    PlaceKeys();
}

void SoftKeyboard::PlaceKeys()
{
    const double column = (width() - 2 * kMargin + kSpacing) / double(m_columns);
    const double row = (height() - 2 * kMargin + kSpacing) / double(kRows);
    for (const KeyPlace& place : m_places) {
        const int left = kMargin + qRound(place.column * column);
        const int right = kMargin + qRound((place.column + place.span) * column) - kSpacing;
        const int top = kMargin + qRound(place.row * row);
        const int bottom = kMargin + qRound((place.row + 1) * row) - kSpacing;
        place.button->setGeometry(left, top, right - left, bottom - top);
    }
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
    for (const LetterKey& key : m_letterKeys)
        key.button->setText(shifted ? m_layout.locale.toUpper(key.letter) : key.letter);
}
