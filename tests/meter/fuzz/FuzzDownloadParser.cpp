// libFuzzer target: both download parsers, the ".kav" one and the Corvina
// ".kavw" one, on arbitrary bytes. They must finish, stay inside the data and
// keep clear of undefined behaviour on any input.
#include "meter/CorvinaParser.h"
#include "meter/DownloadParser.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {

void parseCorvina(const QByteArray& bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const CorvinaDownload download = CorvinaParser::parse(buffer);
    // Touch what was read, so nothing of it can be optimised away.
    volatile int fibers = download.fiberCount();
    volatile bool serial = download.meterSerial().has_value();
    (void)fibers;
    (void)serial;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const std::optional<DownloadModel> model = DownloadParser::parse(buffer);
    if (model) {
        volatile qsizetype fibers = 0;
        for (const FiberList& list : model->fiberLists)
            fibers = fibers + list.fibers.size();
    }
    parseCorvina(bytes);
    return 0;
}
