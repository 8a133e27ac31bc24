#pragma once

#include <QWidget>

#include <functional>

class QAbstractButton;

// The row along the top of the pinyin keyboard: as many candidates as fit,
// best first, with a key to either side to page back and forth. A tap on a
// candidate chooses it by its index among all candidates.
class CandidateBar : public QWidget {
    Q_OBJECT
public:
    explicit CandidateBar(QWidget* parent);

    static constexpr int kHeight = 44;

    using CandidateText = std::function<QString(int index)>;
    // Shows the first page of count candidates; none empties the bar.
    void SetCandidates(int count, CandidateText text);
    // The index of the first candidate shown, and of the one after the last.
    int FirstShown() const { return m_first; }
    int EndShown() const { return m_end; }

signals:
    void Chosen(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowPageFrom(int first);
    void PageForward();
    void PageBack();

    QAbstractButton* m_back = nullptr;
    QAbstractButton* m_forward = nullptr;
    QList<QAbstractButton*> m_keys;
    int m_count = 0;
    CandidateText m_text;
    int m_first = 0;
    int m_end = 0;
    // Where each earlier page began, to page back to it.
    QList<int> m_pageStarts;
};
