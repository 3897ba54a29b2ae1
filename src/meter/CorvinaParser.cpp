#include "meter/CorvinaParser.h"

#include "meter/DownloadFields.h"
#include "meter/DownloadReader.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace {

class Reading
{
public:
    explicit Reading(QIODevice& device) : reader_(device) {}

    CorvinaDownload read()
    {
        char first = 0;
        if (!reader_.peekChar(first))
            return download_; // an empty file: nothing at all
        if (first == '\'' && !readHeader())
            return download_;
        readRecords();
        return download_;
    }

private:
    bool readHeader()
    {
        download_.hasHeader = true;
        const bool read = reader_.readString(download_.serialNumber, false) && reader_.skipToComma() &&
                          reader_.readString(download_.versionText, false) && reader_.skipToComma() &&
                          reader_.readString(download_.calibrationText, false);
        if (!read) {
            download_.problem = CorvinaDownload::Problem::HeaderUnreadable;
            return false;
        }
        // A meter without a serial number keeps no calibration date either.
        if (download_.serialNumber == CorvinaDownload::kNoSerial)
            return true;
        download_.calibrationDate = parseDownloadDate(download_.calibrationText);
        if (download_.calibrationDate.isNull()) {
            download_.problem = CorvinaDownload::Problem::CalibrationDateUnreadable;
            return false;
        }
        return true;
    }

    void readRecords()
    {
        int wavelength = 0;
        while (reader_.readInteger(wavelength, download_.hasHeader)) {
            if (wavelength < CorvinaDownload::kMinWavelengthNm ||
                wavelength > CorvinaDownload::kMaxWavelengthNm) {
                // A garbled number: what follows it cannot be trusted either.
                download_.outOfRangeWavelength = wavelength;
                return;
            }
            float firstValue = 0.0f;
            float secondValue = 0.0f;
            const bool gotFirst = reader_.readDecimal(firstValue, false);
            const bool gotSecond = reader_.readDecimal(secondValue, true);
            const float reference = firstValue - secondValue;
            // A missing value would otherwise be stored as a reading of 0 dBm.
            if (!gotFirst || !gotSecond || !std::isfinite(firstValue) || !std::isfinite(reference)) {
                ++download_.readingsNotReadable;
                continue;
            }
            addReading(wavelength, firstValue, reference);
        }
        download_.unreadDataAfterReadings = restHoldsDigits();
    }

    void addReading(int wavelength, float value, float reference)
    {
        auto& slots = download_.slots;
        const auto slot = std::find_if(slots.begin(), slots.end(), [wavelength](const CorvinaSlot& s) {
            return s.wavelengthNm == wavelength;
        });
        if (slot != slots.end()) {
            slot->readings.append(value);
        } else if (slots.size() < static_cast<std::size_t>(CorvinaDownload::kMaxSlots)) {
            slots.push_back({wavelength, reference, {value}});
        } else {
            ++download_.readingsBeyondThreeWavelengths;
        }
    }

    // Where the records stopped before the end of the data, whatever is left
    // is said to be unread when it holds a number.
    bool restHoldsDigits()
    {
        char c = 0;
        bool digits = false;
        while (reader_.nextChar(c))
            digits = digits || (c >= '0' && c <= '9');
        return digits;
    }

    DownloadReader reader_;
    CorvinaDownload download_;
};

} // namespace

CorvinaDownload CorvinaParser::parse(QIODevice& device)
{
    return Reading(device).read();
}

bool CorvinaParser::parseFile(const QString& path, CorvinaDownload& download, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    download = parse(file);
    return true;
}
