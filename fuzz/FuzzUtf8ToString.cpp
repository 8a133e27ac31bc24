// Decodes the input by the notebook's UTF-8 table.
#include "notebook/storage/Note.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const QString text = CNote::Utf8ToString(reinterpret_cast<const char*>(data), qsizetype(size));
    if (text.size() > qsizetype(size))
        __builtin_trap();
    return 0;
}
