#include "notebook/storage/NoteList.h"

#include "notebook/storage/DateCaption.h"
#include "notebook/storage/NoteFolder.h"
#include "platform/device/DevicePath.h"
#include "shell/OrvaSkins.h"

#include <QFileInfo>

#include <algorithm>
#include <string_view>

namespace {

std::u16string_view CodeUnits(const QString& text)
{
    return { reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size()) };
}

bool TitleLess(const CNote& a, const CNote& b)
{
    return CodeUnits(a.m_strTitle) < CodeUnits(b.m_strTitle);
}

bool NoteTitleLess(const std::unique_ptr<CNote>& a, const std::unique_ptr<CNote>& b)
{
    return TitleLess(*a, *b);
}

QString NewNoteName(const QDateTime& now, int counter)
{
    const QDate date = now.date();
    const QTime time = now.time();
    const QString stamp = QString::asprintf("%d-%02d-%02d %02d%02d%02d", date.year(), date.month(), date.day(),
                                            time.hour(), time.minute(), time.second());
    return counter < 2 ? stamp + QStringLiteral(".note") : stamp + u'-' + QString::number(counter) + QStringLiteral(".note");
}

QString FileNameOf(const QString& devicePath)
{
    return devicePath.mid(devicePath.lastIndexOf(u'\\') + 1);
}

} // namespace

CNoteList::CNoteList(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); }))
{
}

void CNoteList::InitFolder()
{
    COrvaCore::GetStrParam(u"note_path", m_szFolder, u"\\NAND Flash\\Note");
    m_szFolder[MAX_PATH - 1] = u'\0';
    // A configured trailing backslash would double every separator.
    for (std::size_t end = std::char_traits<char16_t>::length(m_szFolder); end > 1 && m_szFolder[end - 1] == u'\\';)
        m_szFolder[--end] = u'\0';
}

int CNoteList::LoadFolder(const QString& folder)
{
    std::vector<CNote> found;
    LoadNoteFolder(folder, found);
    if (!m_bInTitleOrder) {
        for (const CNote& note : found)
            InsertSorted(note);
        return int(found.size());
    }
    // One merge gives the order of inserting each note in turn, without
    // walking the list once per note.
    std::vector<std::unique_ptr<CNote>> loaded;
    loaded.reserve(found.size());
    for (CNote& note : found)
        loaded.push_back(std::make_unique<CNote>(std::move(note)));
    std::stable_sort(loaded.begin(), loaded.end(), NoteTitleLess);
    std::vector<std::unique_ptr<CNote>> merged;
    merged.reserve(m_notes.size() + loaded.size());
    std::merge(std::make_move_iterator(m_notes.begin()), std::make_move_iterator(m_notes.end()),
               std::make_move_iterator(loaded.begin()), std::make_move_iterator(loaded.end()),
               std::back_inserter(merged), NoteTitleLess);
    m_notes = std::move(merged);
    return int(loaded.size());
}

void CNoteList::InsertSorted(const CNote& note)
{
    auto copy = std::make_unique<CNote>(note);
    const auto firstGreater = [&](const std::unique_ptr<CNote>& other) { return TitleLess(note, *other); };
    auto place = m_bInTitleOrder
        ? std::upper_bound(m_notes.begin(), m_notes.end(), copy, NoteTitleLess)
        : std::find_if(m_notes.begin(), m_notes.end(), firstGreater);
    m_notes.insert(place, std::move(copy));
}

int CNoteList::AddNew()
{
    const QDateTime now = m_clock();
    CNote note;
    note.m_strTitle = FormatDateCaption(now, COrvaSkins::GetLanguage());
    const QString folder = GetFolder() + u'\\';
    for (int counter = 1;; ++counter) {
        note.m_strPath = folder + NewNoteName(now, counter);
        if (!IsPathTaken(note.m_strPath))
            break;
    }
    return Append(note);
}

int CNoteList::AddFile(const QString& path)
{
    const int existing = IndexOfFile(path);
    if (existing >= 0)
        return existing;
    CNote note;
    if (!note.Load(path, false))
        return -1;
    return Append(note);
}

CNote* CNoteList::GetAt(int index)
{
    return index >= 0 && index < GetCount() ? m_notes[std::size_t(index)].get() : nullptr;
}

const CNote* CNoteList::GetAt(int index) const
{
    return index >= 0 && index < GetCount() ? m_notes[std::size_t(index)].get() : nullptr;
}

bool CNoteList::IsPathTaken(const QString& path) const
{
    const QString hostPath = HostPathFromDevicePath(path);
    if (!hostPath.isEmpty() && QFileInfo::exists(hostPath))
        return true;
    return std::any_of(m_notes.begin(), m_notes.end(),
                       [&](const std::unique_ptr<CNote>& note) { return note->m_strPath == path; });
}

int CNoteList::IndexOfFile(const QString& path) const
{
    const QString hostPath = HostPathFromDevicePath(path);
    const QString canonical = hostPath.isEmpty() ? QString() : QFileInfo(hostPath).canonicalFilePath();
    const QString name = FileNameOf(path);
    for (int index = 0; index < GetCount(); ++index) {
        const QString& notePath = m_notes[std::size_t(index)]->m_strPath;
        if (notePath == path)
            return index;
        // One file can have several device paths: \A\x.txt is also Z:\<root>\A\x.txt.
        if (!canonical.isEmpty() && FileNameOf(notePath) == name
            && QFileInfo(HostPathFromDevicePath(notePath)).canonicalFilePath() == canonical)
            return index;
    }
    return -1;
}

int CNoteList::Append(const CNote& note)
{
    if (!m_notes.empty() && TitleLess(note, *m_notes.back()))
        m_bInTitleOrder = false;
    m_notes.push_back(std::make_unique<CNote>(note));
    return GetCount() - 1;
}
