#include "shell/CandidateBar.h"

#include <QToolButton>

#include <algorithm>

namespace {

// More than the narrowest candidates that fit across the screen.
constexpr int kMaxCandidateKeys = 12;
constexpr int kPageKeyWidth = 56;
constexpr int kBarMargin = 6;
constexpr int kBarSpacing = 4;
constexpr int kMinCandidateWidth = 52;
constexpr int kCandidatePadding = 24;

QAbstractButton* MakeBarKey(QWidget* parent, const QString& name, const QString& text)
{
    auto* key = new QToolButton(parent);
    key->setObjectName(name);
    key->setText(text);
    key->setFocusPolicy(Qt::NoFocus);
    return key;
}

} // namespace

CandidateBar::CandidateBar(QWidget* parent)
    : QWidget(parent)
    , m_back(MakeBarKey(this, QStringLiteral("candidatesBack"), QStringLiteral("◀")))
    , m_forward(MakeBarKey(this, QStringLiteral("candidatesForward"), QStringLiteral("▶")))
{
    setObjectName(QStringLiteral("CandidateBar"));
    setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < kMaxCandidateKeys; ++i) {
        QAbstractButton* key = MakeBarKey(this, QStringLiteral("candidate"), QString());
        connect(key, &QAbstractButton::clicked, this, [this, i] { emit Chosen(m_first + i); });
        m_keys.append(key);
    }
    connect(m_back, &QAbstractButton::clicked, this, &CandidateBar::PageBack);
    connect(m_forward, &QAbstractButton::clicked, this, &CandidateBar::PageForward);
    SetCandidates(0, {});
}

void CandidateBar::SetCandidates(int count, CandidateText text)
{
    m_count = count;
    m_text = std::move(text);
    m_pageStarts.clear();
    ShowPageFrom(0);
}

void CandidateBar::resizeEvent(QResizeEvent*)
{
    ShowPageFrom(m_first);
}

// Candidates are laid out at their own widths from the back key on, as many
// as fit before the forward key; the rest wait for the next page.
void CandidateBar::ShowPageFrom(int first)
{
    const int keyHeight = height() - 2 * kBarMargin;
    m_back->setGeometry(kBarMargin, kBarMargin, kPageKeyWidth, keyHeight);
    m_forward->setGeometry(width() - kBarMargin - kPageKeyWidth, kBarMargin, kPageKeyWidth, keyHeight);
    const int right = m_forward->x() - kBarSpacing;
    int left = m_back->geometry().right() + 1 + kBarSpacing;
    m_first = first;
    m_end = first;
    for (QAbstractButton* key : m_keys) {
        const QString text = m_end < m_count ? m_text(m_end) : QString();
        key->ensurePolished();
        const int keyWidth
            = std::max(kMinCandidateWidth, key->fontMetrics().horizontalAdvance(text) + kCandidatePadding);
        // The first candidate of a page shows even when it is wider than the bar.
        if (text.isEmpty() || (left + keyWidth > right && m_end > first)) {
            key->hide();
            continue;
        }
        key->setText(text);
        key->setGeometry(left, kBarMargin, std::min(keyWidth, right - left), keyHeight);
        key->show();
        left += keyWidth + kBarSpacing;
        ++m_end;
    }
    m_back->setEnabled(!m_pageStarts.isEmpty());
    m_forward->setEnabled(m_end < m_count);
}

void CandidateBar::PageForward()
{
    if (m_end >= m_count)
        return;
    m_pageStarts.append(m_first);
    ShowPageFrom(m_end);
}

void CandidateBar::PageBack()
{
    if (!m_pageStarts.isEmpty())
        ShowPageFrom(m_pageStarts.takeLast());
}
