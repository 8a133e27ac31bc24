// Loads the input as a note file, in the archive form when FUZZ_ARCHIVE is 1
// and as a plain-text file otherwise, and saves an edited plain note back.
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
    const bool loaded = note.LoadFromHostFile(g_strInput, QStringLiteral("\\Docs\\input.note"), FUZZ_ARCHIVE == 1);
    if (loaded && FUZZ_ARCHIVE != 1) {
        note.m_strText += QStringLiteral("!");
        note.Save();
        CNote back;
        if (!back.Load(note.m_strPath, false))
            __builtin_trap();
    }
    return 0;
}
