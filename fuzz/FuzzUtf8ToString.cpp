// Decodes the input as UTF-8: never more code units than bytes, and a text
// read without loss gives back exactly the input.
#include "notebook/storage/Note.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    bool lossy = false;
    const QString text = CNote::Utf8ToString(bytes, qsizetype(size), &lossy);
    if (text.size() > qsizetype(size))
        __builtin_trap();
    if (!lossy && text.toUtf8() != QByteArrayView(bytes, qsizetype(size)))
        __builtin_trap();
    return 0;
}
