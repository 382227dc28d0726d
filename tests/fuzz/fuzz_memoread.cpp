// Feeds arbitrary bytes to the memo reader, the check Open runs before it
// changes anything. Whatever the reader accepts must come back unchanged from
// the writer: a file Open takes is one Save can write again.
#include "memo/memofile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const auto record = memofile::read(bytes, &error);
    if (record) {
        const auto again = memofile::read(memofile::compose(*record), nullptr);
        if (!again || !(*again == *record))
            std::abort();
    } else if (error.isEmpty()) {
        std::abort();  // a refusal always tells the user why
    }
    return 0;
}
