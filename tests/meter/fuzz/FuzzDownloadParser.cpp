// libFuzzer target: both download parsers, the ".kav" one and the Corvina
// ".kavw" one, on arbitrary bytes. They must finish, stay inside the data and
// keep clear of undefined behaviour on any input, and no power they keep may
// be one that no loss meter reads: a damaged field is left out, never guessed.
#include "meter/CorvinaParser.h"
#include "meter/DownloadParser.h"
#include "standards/PlausibleValues.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void parseCorvina(const QByteArray& bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const CorvinaDownload download = CorvinaParser::parse(buffer);
    for (const CorvinaSlot& slot : download.slots) {
        if (!PlausibleValues::isPowerDbm(slot.reference))
            std::abort();
        for (float reading : slot.readings) {
            if (!PlausibleValues::isPowerDbm(reading))
                std::abort();
        }
    }
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
        for (const auto& [number, site] : model->sites) {
            for (const std::optional<float>& reference : site.referencePowers) {
                if (reference && !PlausibleValues::isPowerDbm(*reference))
                    std::abort();
            }
        }
        for (const FiberList& list : model->fiberLists) {
            for (const DownloadFiber& fiber : list.fibers) {
                for (const DownloadFiber::Reading& reading : fiber.readings()) {
                    if (!PlausibleValues::isPowerDbm(reading.power))
                        std::abort();
                }
            }
        }
    }
    parseCorvina(bytes);
    return 0;
}
