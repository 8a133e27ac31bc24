#include "notebook/storage/NoteList.h"

#include "notebook/storage/DateCaption.h"
#include "notebook/storage/NoteFolder.h"
#include "notebook/storage/NoteLog.h"
#include "platform/device/DevicePath.h"
#include "shell/NoteFolderRule.h"
#include "shell/OrvaSkins.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string_view>

namespace {

bool PageTitleLess(const CNotePage& a, const CNotePage& b)
{
    return a.GetTitle() < b.GetTitle();
}

QString TimeStamp(const QDateTime& now)
{
    const QDate date = now.date();
    const QTime time = now.time();
    return QString::asprintf(
        "%d-%02d-%02d %02d%02d%02d", date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
}

// "-2", "-3"... make a name that is taken free again.
QString Counted(int counter)
{
    return counter < 2 ? QString() : u'-' + QString::number(counter);
}

} // namespace

CNoteList::CNoteList(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); }))
{
}

void CNoteList::InitFolder()
{
    constexpr char16_t kDefaultFolder[] = u"\\NAND Flash\\Note";
    COrvaCore::GetStrParam(u"note_path", m_szFolder, kDefaultFolder);
    m_szFolder[MAX_PATH - 1] = u'\0';
    if (std::char_traits<char16_t>::length(m_szFolder) > std::size_t(kLongestNoteFolder)) {
        qCWarning(lcNotes, "the notes folder %s leaves no room for note names; using %s instead",
            qUtf8Printable(GetFolder()), qUtf8Printable(QString::fromUtf16(kDefaultFolder)));
        std::copy(std::begin(kDefaultFolder), std::end(kDefaultFolder), m_szFolder);
    }
    // A configured trailing backslash would double every separator.
    for (std::size_t end = std::char_traits<char16_t>::length(m_szFolder); end > 1 && m_szFolder[end - 1] == u'\\';)
        m_szFolder[--end] = u'\0';
}

int CNoteList::LoadFolder(const QString& folder)
{
    std::vector<CNotePage> found;
    LoadNoteFolder(folder, found);
    const int count = int(found.size());
    if (!m_bInTitleOrder) {
        for (CNotePage& page : found)
            InsertSorted(std::move(page));
        return count;
    }
    // The titles sort as views in one array: no page is visited per comparison.
    std::vector<std::pair<std::u16string_view, std::size_t>> order;
    order.reserve(found.size());
    for (std::size_t index = 0; index < found.size(); ++index)
        order.emplace_back(found[index].GetTitle(), index);
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<CNotePage> loaded;
    loaded.reserve(found.size());
    for (const auto& [title, index] : order)
        loaded.push_back(std::move(found[index]));
    // One merge gives the order of inserting each note in turn, without
    // walking the list once per note.
    std::vector<CNotePage> merged;
    merged.reserve(m_notes.size() + loaded.size());
    std::merge(std::make_move_iterator(m_notes.begin()), std::make_move_iterator(m_notes.end()),
        std::make_move_iterator(loaded.begin()), std::make_move_iterator(loaded.end()), std::back_inserter(merged),
        PageTitleLess);
    m_notes = std::move(merged);
    return count;
}

void CNoteList::InsertSorted(const CNote& note)
{
    InsertSorted(CNotePage(std::make_unique<CNote>(note)));
}

void CNoteList::InsertSorted(CNotePage page)
{
    const auto firstGreater = [&](const CNotePage& other) { return PageTitleLess(page, other); };
    auto place = m_bInTitleOrder ? std::upper_bound(m_notes.begin(), m_notes.end(), page, PageTitleLess)
                                 : std::find_if(m_notes.begin(), m_notes.end(), firstGreater);
    m_notes.insert(place, std::move(page));
}

int CNoteList::AddNew()
{
    const QDateTime now = m_clock();
    CNote note;
    note.m_strTitle = FormatDateCaption(now, COrvaSkins::GetLanguage());
    note.m_strPath = NewNotePath(now);
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

CNoteList::Sync CNoteList::SyncNote(int index)
{
    CNote* note = GetAt(index);
    if (!note)
        return Sync::Failed;
    if (!note->HasUnsavedText())
        return note->IsFileChanged() && note->Reload() ? Sync::Reloaded : Sync::InStep;
    if (note->IsReadWithLoss()) {
        const QString from = note->m_strPath;
        note->MoveTo(NewNotePath(m_clock()), true, Redirection::NewNote);
        qCWarning(lcNotes, "%s was read with loss; its edits go to %s", qUtf8Printable(from),
            qUtf8Printable(note->m_strPath));
        return note->Save() ? Sync::Moved : Sync::Failed;
    }
    if (note->IsFileChanged())
        return MoveToConflictCopy(index);
    return note->Save() ? Sync::InStep : Sync::Failed;
}

CNoteList::Sync CNoteList::MoveToConflictCopy(int index)
{
    CNote& note = *GetAt(index);
    const QString original = note.m_strPath;
    const bool archive = note.m_bArchive != 0;
    const QDateTime now = m_clock();
    const QString conflict = ConflictPath(original, now);
    // A name too long for a path still finds a place among the notes.
    if (conflict.size() < MAX_PATH) {
        note.MoveTo(conflict, archive, Redirection::ConflictCopy);
        if (archive)
            note.m_strTitle += QStringLiteral(" (conflict ") + TimeStamp(now) + u')';
    } else {
        note.MoveTo(NewNotePath(now), true, Redirection::ConflictCopy);
    }
    qCWarning(lcNotes, "%s was changed by another program; the edits go to %s", qUtf8Printable(original),
        qUtf8Printable(note.m_strPath));
    CNote theirs;
    if (IndexOfFile(original) < 0 && theirs.Load(original, archive))
        Append(theirs);
    return GetAt(index)->Save() ? Sync::Moved : Sync::Failed;
}

CNoteList::Sync CNoteList::LeaveNote(int index)
{
    const Sync sync = SyncNote(index);
    CNote* note = GetAt(index);
    if (sync != Sync::Failed || !note)
        return sync;
    const QString recovered = DevicePathFromHostPath(RecoveryFolder());
    const QDateTime now = m_clock();
    if (SaveMoved(*note, NewNotePath(now), Redirection::NewNote))
        return Sync::Moved;
    QDir().mkpath(RecoveryFolder());
    if (!recovered.isEmpty() && SaveMoved(*note, NewNotePathIn(recovered, now), Redirection::RecoveryFolder))
        return Sync::Moved;
    qCCritical(lcNotes, "the text of %s could not be written anywhere", qUtf8Printable(note->m_strPath));
    return Sync::Failed;
}

bool CNoteList::SaveMoved(CNote& note, const QString& path, Redirection why)
{
    const QString from = note.m_strPath;
    CNote moved = note;
    moved.MoveTo(path, true, why);
    if (!moved.Save())
        return false;
    qCWarning(lcNotes, "%s could not be saved; its text went to %s", qUtf8Printable(from), qUtf8Printable(path));
    note = std::move(moved);
    return true;
}

QString CNoteList::RecoveryFolder()
{
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(dataHome + QStringLiteral("/orva/Recovered"));
}

bool CNoteList::UpdateFromFolder()
{
    using FileId = std::pair<quint64, quint64>;
    const std::vector<NoteFileEntry> files = ListNoteFolder(GetFolder());
    // Views of the listed paths: no page's path is copied to be looked up.
    QHash<QStringView, std::size_t> fileAtPath;
    for (std::size_t i = 0; i < files.size(); ++i)
        fileAtPath.insert(files[i].path, i);
    std::vector<bool> isPage(files.size(), false);
    std::set<FileId> pageFiles;
    const QString folderPrefix = GetFolder() + u'\\';
    std::vector<CNotePage*> gone;
    for (CNotePage& page : m_notes) {
        const FileStamp* stamp = page.GetFileStamp();
        const auto file = fileAtPath.constFind(page.GetPath());
        if (file != fileAtPath.cend()) {
            isPage[*file] = true;
        } else if (page.IsArchive() && page.GetPath().startsWith(folderPrefix) && stamp) {
            // Renamed, or removed and its inode free for another file.
            gone.push_back(&page);
            continue;
        }
        // A file that replaced the note's keeps the name; the one it replaced
        // (moved aside as a conflict copy) is free to be a page of its own.
        if (stamp && (file == fileAtPath.cend() || files[*file].stamp.IsSameFile(*stamp)))
            pageFiles.emplace(stamp->device, stamp->inode);
    }
    // A file that is no note's under its own name may be a gone note's,
    // renamed; one that changed meanwhile is a page of its own.
    std::map<FileId, std::size_t> unclaimed;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!isPage[i])
            unclaimed.emplace(FileId(files[i].stamp.device, files[i].stamp.inode), i);
    }
    bool changed = false;
    std::set<const CNotePage*> removed;
    for (CNotePage* page : gone) {
        const auto renamed = unclaimed.find(FileId(page->GetFileStamp()->device, page->GetFileStamp()->inode));
        if (renamed != unclaimed.end() && files[renamed->second].stamp.IsRenamedFrom(*page->GetFileStamp())) {
            isPage[renamed->second] = true;
            page->FollowRename(files[renamed->second].path, files[renamed->second].stamp);
            unclaimed.erase(renamed);
            changed = true;
        } else if (!page->HasUnsavedText()) {
            removed.insert(page);
            changed = true;
        }
    }
    std::erase_if(m_notes, [&](const CNotePage& page) { return removed.count(&page) > 0; });
    for (std::size_t i = 0; i < files.size(); ++i) {
        const FileId id(files[i].stamp.device, files[i].stamp.inode);
        CNote note;
        if (isPage[i] || pageFiles.count(id) > 0 || !note.LoadFromHostFile(files[i].hostPath, files[i].path, true))
            continue;
        InsertSorted(note);
        changed = true;
    }
    return changed;
}

int CNoteList::IndexOf(const CNote* note) const
{
    // A page whose note was never made holds none: null is no page.
    if (!note)
        return -1;
    const auto found = std::find_if(
        m_notes.begin(), m_notes.end(), [&](const CNotePage& page) { return page.GetMadeNote() == note; });
    return found == m_notes.end() ? -1 : int(found - m_notes.begin());
}

CNote* CNoteList::GetAt(int index)
{
    return index >= 0 && index < GetCount() ? &m_notes[std::size_t(index)].GetNote() : nullptr;
}

const CNote* CNoteList::GetAt(int index) const
{
    return index >= 0 && index < GetCount() ? &m_notes[std::size_t(index)].GetNote() : nullptr;
}

bool CNoteList::IsPathTaken(const QString& path) const
{
    const QString hostPath = HostPathFromDevicePath(path);
    if (!hostPath.isEmpty() && QFileInfo::exists(hostPath))
        return true;
    return std::any_of(m_notes.begin(), m_notes.end(), [&](const CNotePage& page) { return page.GetPath() == path; });
}

QString CNoteList::NewNotePath(const QDateTime& now) const
{
    return NewNotePathIn(GetFolder(), now);
}

QString CNoteList::NewNotePathIn(const QString& folder, const QDateTime& now) const
{
    const QString stamp = folder + u'\\' + TimeStamp(now);
    for (int counter = 1;; ++counter) {
        const QString path = stamp + Counted(counter) + QStringLiteral(".note");
        if (!IsPathTaken(path))
            return path;
    }
}

QString CNoteList::ConflictPath(const QString& path, const QDateTime& now) const
{
    const qsizetype nameStart = path.lastIndexOf(u'\\') + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype extension = dot > nameStart ? dot : path.size();
    const QString stem = path.left(extension) + QStringLiteral(" (conflict ") + TimeStamp(now);
    for (int counter = 1;; ++counter) {
        const QString conflict = stem + Counted(counter) + u')' + path.mid(extension);
        if (!IsPathTaken(conflict))
            return conflict;
    }
}

int CNoteList::IndexOfFile(const QString& path) const
{
    const std::optional<FileStamp> file = StampOfFile(HostPathFromDevicePath(path));
    // A page is its file only while that file is still at the page's own path.
    const auto isFileOf = [&](const CNotePage& page) {
        if (!file || !page.GetFileStamp() || !page.GetFileStamp()->IsSameFile(*file))
            return false;
        const std::optional<FileStamp> own = StampOfFile(HostPathFromDevicePath(page.GetPath().toString()));
        return own && own->IsSameFile(*file);
    };
    for (int index = 0; index < GetCount(); ++index) {
        const CNotePage& page = m_notes[std::size_t(index)];
        if (page.GetPath() == path || isFileOf(page))
            return index;
    }
    return -1;
}

int CNoteList::Append(const CNote& note)
{
    CNotePage page(std::make_unique<CNote>(note));
    if (!m_notes.empty() && PageTitleLess(page, m_notes.back()))
        m_bInTitleOrder = false;
    m_notes.push_back(std::move(page));
    return GetCount() - 1;
}
