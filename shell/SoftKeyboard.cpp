#include "shell/SoftKeyboard.h"

#include "shell/CandidateBar.h"
#include "shell/PinyinComposer.h"
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

const QString kStyle
    = QStringLiteral("SoftKeyboard { background: #2b2f36; border-top: 1px solid #15171b; }"
                     "QToolButton { color: white; background: #4a505a; border: 1px solid #1d2026; border-radius: 6px;"
                     " font: 22px 'DejaVu Sans'; }"
                     "QToolButton#backspace, QToolButton#enter, QToolButton#shift, QToolButton#hide, QToolButton#mode"
                     " { background: #383d45; }"
                     "QToolButton#candidate { background: transparent; border: none; }"
                     "QToolButton:pressed, QToolButton#shift:checked { background: #7a8494; }"
                     "QToolButton:disabled { color: #6b7280; }");

int LettersSpan(const QString& letters)
{
    return static_cast<int>(letters.size()) * kLetterSpan;
}

} // namespace

SoftKeyboard::SoftKeyboard(KeyboardLayout layout, QWidget* window, PinyinEngine* pinyin)
    : QWidget(window)
    , m_layout(std::move(layout))
    , m_chinese(pinyin != nullptr)
{
    setObjectName(QStringLiteral("SoftKeyboard"));
    setAttribute(Qt::WA_StyledBackground);
    // A tap between the keys stops here instead of going on to the window.
    setAttribute(Qt::WA_NoMousePropagation);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(kStyle);
    if (pinyin) {
        m_candidates = new CandidateBar(this);
        m_composer = std::make_unique<PinyinComposer>(*pinyin, *m_candidates, [this] { return Target(); });
        connect(m_candidates, &CandidateBar::Chosen, this, [this](int index) { m_composer->Choose(index); });
    }
    AddKeys();
    ShowLabels();
    const int height = kHeight + (m_candidates ? CandidateBar::kHeight : 0);
    setGeometry(0, window->height() - height, window->width(), height);
    raise();
}

SoftKeyboard::~SoftKeyboard() = default;

// Rows 0 to 3 are centred, each with its special key: backspace after the
// digits, Enter after the middle letters, Shift before the bottom letters.
// The widest row leaves half a key free at either side.
void SoftKeyboard::AddKeys()
{
    const QStringList& rows = m_layout.rows;
    const int widths[] = { LettersSpan(rows.value(0)) + kSideKeySpan, LettersSpan(rows.value(1)),
        LettersSpan(rows.value(2)) + kSideKeySpan, kSideKeySpan + LettersSpan(rows.value(3)) };
    m_columns = *std::max_element(std::begin(widths), std::end(widths)) + 2;
    const auto start = [this, &widths](int row) { return (m_columns - widths[row]) / 2; };

    AddLetters(rows.value(0), 0, start(0));
    QAbstractButton* backspace = AddKey(
        QStringLiteral("backspace"), QStringLiteral("⌫"), 0, start(0) + LettersSpan(rows.value(0)), kSideKeySpan);
    AddLetters(rows.value(1), 1, start(1));
    AddLetters(rows.value(2), 2, start(2));
    QAbstractButton* enter
        = AddKey(QStringLiteral("enter"), QStringLiteral("⏎"), 2, start(2) + LettersSpan(rows.value(2)), kSideKeySpan);
    QAbstractButton* shift = AddKey(QStringLiteral("shift"), QStringLiteral("⇧"), 3, start(3), kSideKeySpan);
    const int bottomLetters = start(3) + kSideKeySpan;
    AddLetters(rows.value(3), 3, bottomLetters);
    AddBottomRow(start(3), bottomLetters);

    connect(backspace, &QAbstractButton::clicked, this, &SoftKeyboard::PressBackspace);
    connect(enter, &QAbstractButton::clicked, this, &SoftKeyboard::PressEnter);
    shift->setCheckable(true);
    connect(shift, &QAbstractButton::toggled, this, &SoftKeyboard::SetShifted);
}

// The space bar under the bottom letters, the hide key at the right end; the
// pinyin keyboard's 中/英 key under Shift and its marks before the hide key.
void SoftKeyboard::AddBottomRow(int shiftColumn, int lettersColumn)
{
    const int hideColumn = m_columns - 1 - kHideKeySpan;
    int spaceEnd = hideColumn - 1;
    if (!m_layout.bottomMarks.isEmpty()) {
        spaceEnd -= LettersSpan(m_layout.bottomMarks);
        AddLetters(m_layout.bottomMarks, 4, spaceEnd);
        --spaceEnd;
    }
    if (m_composer) {
        m_modeKey = AddKey(QStringLiteral("mode"), QString(), 4, shiftColumn, kSideKeySpan);
        connect(m_modeKey, &QAbstractButton::clicked, this, &SoftKeyboard::SwitchChinese);
    }
    QAbstractButton* space = AddKey(QStringLiteral("space"), QString(), 4, lettersColumn, spaceEnd - lettersColumn);
    QAbstractButton* hide = AddKey(QStringLiteral("hide"), QStringLiteral("⌨ ▾"), 4, hideColumn, kHideKeySpan);
    connect(space, &QAbstractButton::clicked, this, &SoftKeyboard::PressSpace);
    connect(hide, &QAbstractButton::clicked, this, [] { SipHideIM(); });
}

QAbstractButton* SoftKeyboard::AddKey(const QString& name, const QString& text, int row, int column, int span)
{
    auto* key = new QToolButton(this);
    key->setObjectName(name);
    key->setText(text);
    key->setFocusPolicy(Qt::NoFocus);
    m_places.append({ key, row, column, span });
    return key;
}

void SoftKeyboard::AddLetters(const QString& letters, int row, int column)
{
    for (int i = 0; i < letters.size(); ++i) {
        const QString letter = letters.mid(i, 1);
        QAbstractButton* key = AddKey(QStringLiteral("key"), letter, row, column + i * kLetterSpan, kLetterSpan);
        connect(key, &QAbstractButton::clicked, this, [this, letter] { TypeLetter(letter); });
        m_letterKeys.append({ key, letter });
    }
}

void SoftKeyboard::resizeEvent(QResizeEvent*)
{
    PlaceKeys();
}

void SoftKeyboard::PlaceKeys()
{
    const int keysTop = m_candidates ? CandidateBar::kHeight : 0;
    if (m_candidates)
        m_candidates->setGeometry(0, 0, width(), keysTop);
    const double column = (width() - 2 * kMargin + kSpacing) / double(m_columns);
    const double row = (height() - keysTop - 2 * kMargin + kSpacing) / double(kRows);
    for (const KeyPlace& place : m_places) {
        const int left = kMargin + qRound(place.column * column);
        const int right = kMargin + qRound((place.column + place.span) * column) - kSpacing;
        const int top = keysTop + kMargin + qRound(place.row * row);
        const int bottom = keysTop + kMargin + qRound((place.row + 1) * row) - kSpacing;
        place.button->setGeometry(left, top, right - left, bottom - top);
    }
}

// The control that the window would give a key press: its focus widget,
// whether or not the window system has made the window active.
QWidget* SoftKeyboard::Target() const
{
    return window()->focusWidget();
}

void SoftKeyboard::TypeLetter(const QString& letter)
{
    const QString text = m_shifted ? m_layout.locale.toUpper(letter) : letter;
    if (!m_chinese)
        SendKey(Qt::Key_unknown, text);
    else
        TypeInChinese(text);
    if (m_shifted)
        findChild<QAbstractButton*>(QStringLiteral("shift"))->setChecked(false);
}

// Small letters compose pinyin (with ' between syllables); anything else
// first puts in the best candidate, marks in their full-width form.
void SoftKeyboard::TypeInChinese(const QString& text)
{
    const QChar key = text.size() == 1 ? text.front() : QChar();
    const bool pinyinLetter = (key >= u'a' && key <= u'z') || (key == u'\'' && IsComposing());
    if (pinyinLetter)
        m_composer->AddLetter(text);
    else
        m_composer->CommitBestAnd(KeyboardLayout::ChineseMark(text));
}

void SoftKeyboard::PressBackspace()
{
    if (IsComposing())
        m_composer->RemoveLetter();
    else
        SendKey(Qt::Key_Backspace, QString());
}

void SoftKeyboard::PressEnter()
{
    if (IsComposing())
        m_composer->CommitLetters();
    else
        SendKey(Qt::Key_Return, QStringLiteral("\r"));
}

void SoftKeyboard::PressSpace()
{
    if (IsComposing())
        m_composer->Choose(0);
    else
        SendKey(Qt::Key_Space, QStringLiteral(" "));
}

void SoftKeyboard::SendKey(int key, const QString& text)
{
    QWidget* target = Target();
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
    ShowLabels();
}

void SoftKeyboard::SwitchChinese()
{
    EndComposition();
    m_chinese = !m_chinese;
    ShowLabels();
}

void SoftKeyboard::ShowLabels()
{
    for (const LetterKey& key : m_letterKeys) {
        const QString text = m_shifted ? m_layout.locale.toUpper(key.letter) : key.letter;
        key.button->setText(m_chinese ? KeyboardLayout::ChineseMark(text) : text);
    }
    if (m_modeKey)
        m_modeKey->setText(m_chinese ? QStringLiteral("中") : QStringLiteral("英"));
}

bool SoftKeyboard::IsComposing() const
{
    return m_composer && m_composer->IsComposing();
}

void SoftKeyboard::EndComposition()
{
    if (IsComposing())
        m_composer->CommitLetters();
}
