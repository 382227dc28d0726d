// Feeds arbitrary bytes to the memo reader, the check Open runs before it
// changes anything. Whatever the reader accepts must come back unchanged from
// the writer: a file Open takes is one Save can write again.
#include "memo/memofile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto result = memofile::read(bytes);
    if (const auto *record = std::get_if<MemoRecord>(&result)) {
        const auto again = memofile::read(memofile::compose(*record));
        const auto *same = std::get_if<MemoRecord>(&again);
        if (!same || !(*same == *record))
            std::abort();
    } else {
        (void)memofile::explain(std::get<memofile::ReadError>(result));
    }
    return 0;
}
