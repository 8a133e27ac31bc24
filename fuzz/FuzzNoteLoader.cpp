// Loads the input as a note file: in the archive form when FUZZ_ARCHIVE is 1,
// as a handed-over plain-text file otherwise.
#include "fuzz/FuzzEnvironment.h"
#include "notebook/storage/Note.h"

namespace {

QString g_strInput;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_strInput = PrepareFuzzEnvironment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    WriteFuzzInput(g_strInput, data, size);
    CNote note;
    const bool archive = FUZZ_ARCHIVE == 1;
    const bool loaded = note.LoadFromHostFile(g_strInput, QStringLiteral("\\Docs\\input.note"), archive);
    // A plain-text file always loads, and every unit of its text came from
    // the file's bytes.
    if (!archive && (!loaded || note.m_strTitle != QStringLiteral("input.note")))
        __builtin_trap();
    if (!archive && !note.m_bUnicode && note.m_strText.size() > qsizetype(size))
        __builtin_trap();
    return 0;
}
