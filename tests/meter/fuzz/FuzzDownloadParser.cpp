// libFuzzer target: the download parser on arbitrary bytes. It must finish,
// stay inside the data and keep clear of undefined behaviour on any input.
#include "meter/DownloadParser.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const std::optional<DownloadModel> model = DownloadParser::parse(buffer);
    if (model) {
        // Touch what was read, so nothing of it can be optimised away.
        volatile qsizetype fibers = 0;
        for (const FiberList& list : model->fiberLists)
            fibers = fibers + list.fibers.size();
    }
    return 0;
}
