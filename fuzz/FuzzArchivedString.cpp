// Reads archived strings one after another until the input gives out, as the
// note loader and the hand-off file do; every string read must come back the
// same through the 16-bit form.
#include "fuzz/FuzzEnvironment.h"
#include "notebook/storage/ArchivedString.h"

#include <QBuffer>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    PrepareFuzzEnvironment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    QString text;
    while (ReadArchivedString(buffer, text)) {
        QByteArray again;
        AppendArchivedString(again, text);
        QBuffer copy(&again);
        copy.open(QIODevice::ReadOnly);
        QString back;
        if (!ReadArchivedString(copy, back) || back != text)
            __builtin_trap();
    }
    return 0;
}
