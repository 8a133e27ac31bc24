#pragma once

#include <QString>

#include <memory>

struct _pinyin_context_t;
struct _pinyin_instance_t;
struct _lookup_candidate_t;

// Full pinyin to Chinese through libpinyin: the letters typed so far, the
// words and characters they may stand for (best first), and the choice of
// one of them. The system data is the library's; what the engine learns from
// the choices is kept in the user folder alone.
class PinyinEngine {
public:
    // The engine on the system data, learning into userFolder (made when
    // missing); none, with the reason logged, when the data cannot be read.
    static std::unique_ptr<PinyinEngine> Open(const QString& userFolder);
    // $XDG_DATA_HOME/orva/pinyin.
    static QString DefaultUserFolder();
    // $ORVA_PINYIN_DATA when set, else the library's own folder or the
    // multiarch one that holds the data; empty when none does.
    static QString SystemFolder();

    ~PinyinEngine();
    PinyinEngine(const PinyinEngine&) = delete;
    PinyinEngine& operator=(const PinyinEngine&) = delete;

    const QString& UserFolder() const { return m_userFolder; }

    // The letters still to be turned into Chinese; setting them looks up
    // their candidates.
    const QString& Pinyin() const { return m_pinyin; }
    void SetPinyin(const QString& letters);
    int CandidateCount() const;
    QString Candidate(int index) const;
    // Takes candidate index: returns its text and leaves the letters it does
    // not cover as the new pinyin.
    QString Choose(int index);
    // Writes what was learnt to the user folder.
    void Save();

private:
    PinyinEngine(_pinyin_context_t* context, QString userFolder);
    _lookup_candidate_t* CandidateAt(int index) const;

    _pinyin_context_t* m_context = nullptr;
    _pinyin_instance_t* m_instance = nullptr;
    QString m_userFolder;
    QString m_pinyin;
    // The letters' UTF-8 form, in which the library counts its positions.
    QByteArray m_letters;
    bool m_unsaved = false;
};
