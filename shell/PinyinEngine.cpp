#include "shell/PinyinEngine.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

#include <pinyin.h>

#include <algorithm>

Q_LOGGING_CATEGORY(lcPinyin, "orva.shell.pinyin")

namespace {

// Sentences first, then words and characters by length and frequency.
constexpr guint kCandidateOrder = SORT_BY_PHRASE_LENGTH_AND_PINYIN_LENGTH_AND_FREQUENCY;
constexpr pinyin_option_t kPinyinOptions = pinyin_option_t(PINYIN_INCOMPLETE) | pinyin_option_t(PINYIN_CORRECT_ALL)
    | pinyin_option_t(USE_DIVIDED_TABLE) | pinyin_option_t(USE_RESPLIT_TABLE) | pinyin_option_t(DYNAMIC_ADJUST);

bool HoldsPinyinData(const QString& folder)
{
    return QFileInfo(folder + QStringLiteral("/table.conf")).isReadable();
}

} // namespace

QString PinyinEngine::DefaultUserFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/orva/pinyin");
}

QString PinyinEngine::SystemFolder()
{
    if (qEnvironmentVariableIsSet("ORVA_PINYIN_DATA")) {
        const QString folder = qEnvironmentVariable("ORVA_PINYIN_DATA");
        return HoldsPinyinData(folder) ? folder : QString();
    }
    // The library's folder as this build found it, then that of any other
    // architecture Debian may have installed it for.
    QStringList folders { QStringLiteral(ORVA_LIBPINYIN_DATA) };
    for (const QString& arch :
        QDir(QStringLiteral("/usr/lib")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        folders.append(QStringLiteral("/usr/lib/%1/libpinyin/data").arg(arch));
    for (const QString& folder : folders) {
        if (HoldsPinyinData(folder))
            return folder;
    }
    return {};
}

std::unique_ptr<PinyinEngine> PinyinEngine::Open(const QString& userFolder)
{
    const QString system = SystemFolder();
    if (system.isEmpty()) {
        qCWarning(lcPinyin)
            << "no readable pinyin data (libpinyin-data, or $ORVA_PINYIN_DATA); Chinese is typed as letters";
        return nullptr;
    }
    if (!QDir().mkpath(userFolder)) {
        qCWarning(lcPinyin) << "cannot make" << userFolder << "for what pinyin learns; Chinese is typed as letters";
        return nullptr;
    }
    pinyin_context_t* context
        = pinyin_init(QFile::encodeName(system).constData(), QFile::encodeName(userFolder).constData());
    if (!context) {
        qCWarning(lcPinyin) << "libpinyin cannot load its data from" << system << "; Chinese is typed as letters";
        return nullptr;
    }
    pinyin_set_options(context, kPinyinOptions);
    return std::unique_ptr<PinyinEngine>(new PinyinEngine(context, userFolder));
}

PinyinEngine::PinyinEngine(pinyin_context_t* context, QString userFolder)
    : m_context(context)
    , m_instance(pinyin_alloc_instance(context))
    , m_userFolder(std::move(userFolder))
{
}

PinyinEngine::~PinyinEngine()
{
    Save();
    pinyin_free_instance(m_instance);
    pinyin_fini(m_context);
}

void PinyinEngine::SetPinyin(const QString& letters)
{
    m_pinyin = letters;
    m_letters = letters.toUtf8();
    pinyin_reset(m_instance);
    if (m_letters.isEmpty())
        return;
    pinyin_parse_more_full_pinyins(m_instance, m_letters.constData());
    pinyin_guess_sentence(m_instance);
    pinyin_guess_candidates(m_instance, 0, kCandidateOrder);
}

int PinyinEngine::CandidateCount() const
{
    guint count = 0;
    if (m_letters.isEmpty() || !pinyin_get_n_candidate(m_instance, &count))
        return 0;
    return static_cast<int>(count);
}

lookup_candidate_t* PinyinEngine::CandidateAt(int index) const
{
    lookup_candidate_t* candidate = nullptr;
    if (index < 0 || index >= CandidateCount() || !pinyin_get_candidate(m_instance, guint(index), &candidate))
        return nullptr;
    return candidate;
}

QString PinyinEngine::Candidate(int index) const
{
    lookup_candidate_t* candidate = CandidateAt(index);
    const gchar* text = nullptr;
    if (!candidate || !pinyin_get_candidate_string(m_instance, candidate, &text) || !text)
        return {};
    return QString::fromUtf8(text);
}

QString PinyinEngine::Choose(int index)
{
    lookup_candidate_t* candidate = CandidateAt(index);
    Q_ASSERT(candidate);
    const QString text = Candidate(index);
    lookup_candidate_type_t type = NORMAL_CANDIDATE;
    pinyin_get_candidate_type(m_instance, candidate, &type);
    guint8 sentence = 0;
    if (type == NBEST_MATCH_CANDIDATE)
        pinyin_get_candidate_nbest_index(m_instance, candidate, &sentence);
    const size_t next = size_t(pinyin_choose_candidate(m_instance, 0, candidate));

    // Where the letters the choice leaves begin: at the next pinyin key, or
    // after all the library could parse.
    qsizetype rest = qsizetype(pinyin_get_parsed_input_length(m_instance));
    ChewingKeyRest* key = nullptr;
    guint16 begin = 0;
    guint16 end = 0;
    if (pinyin_get_pinyin_key_rest(m_instance, next, &key)
        && pinyin_get_pinyin_key_rest_positions(m_instance, key, &begin, &end))
        rest = std::min(rest, qsizetype(begin));
    // A choice that takes every letter completes a sentence, which is learnt
    // as a whole; a word chosen on the way is learnt by the library itself.
    if (rest >= m_letters.size()) {
        if (type != NBEST_MATCH_CANDIDATE)
            pinyin_guess_sentence(m_instance);
        pinyin_train(m_instance, sentence);
    }
    m_unsaved = true;
    SetPinyin(QString::fromUtf8(m_letters.mid(rest)));
    return text;
}

void PinyinEngine::Save()
{
    if (!m_unsaved)
        return;
    m_unsaved = false;
    if (!pinyin_save(m_context))
        qCWarning(lcPinyin) << "cannot keep what pinyin learnt in" << m_userFolder;
}
