#include "meter/CorvinaParser.h"

#include "meter/DownloadFields.h"
#include "meter/DownloadReader.h"
#include "standards/PlausibleValues.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// No record is longer; a longer line is no record.
constexpr qsizetype kMaxRecordLength = 256;

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
        // The rest of the header line holds nothing of the readings.
        if (download_.hasHeader)
            readLine();
        while (const std::optional<QByteArray> line = readLine()) {
            if (line->trimmed().isEmpty()) {
                // With a header, blank lines lie between readings; without
                // one, a blank line ends them.
                if (download_.hasHeader)
                    continue;
                download_.unreadDataAfterReadings = restHoldsDigits();
                return;
            }
            if (!readRecord(*line))
                return;
        }
    }

    // One line of the data, without its line feed; nothing at the end of the
    // data. A line longer than any record is read whole but kept short, which
    // no record matches.
    std::optional<QByteArray> readLine()
    {
        QByteArray line;
        char c = 0;
        bool any = false;
        while (reader_.nextChar(c)) {
            any = true;
            if (c == '\n')
                return line;
            if (line.size() <= kMaxRecordLength)
                line.append(c);
        }
        return any ? std::optional<QByteArray>(line) : std::nullopt;
    }

    // A record is a whole line "wavelength,first value,second value" (a comma
    // after the last value and blanks around the fields allowed), the numbers
    // plain as the meter writes them. Any other line is no reading: it is
    // counted and passed over, never read as a number it only partly holds.
    // False where the readings end: at a wavelength no slot column can hold.
    bool readRecord(const QByteArray& line)
    {
        static const QRegularExpression record(
            QStringLiteral(R"(^[ \t]*([0-9]+)[ \t]*,[ \t]*([+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+))[ \t]*,)"
                           R"([ \t]*([+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+))[ \t]*,?[ \t\r]*$)"));
        const QRegularExpressionMatch match = record.match(QString::fromLatin1(line));
        if (!match.hasMatch()) {
            ++download_.readingsNotReadable;
            return true;
        }
        bool fits = false;
        const int wavelength = match.captured(1).toInt(&fits);
        if (!fits || wavelength < CorvinaDownload::kMinWavelengthNm ||
            wavelength > CorvinaDownload::kMaxWavelengthNm) {
            // A garbled number: what follows it cannot be trusted either.
            download_.outOfRangeWavelength = fits ? wavelength : std::numeric_limits<int>::max();
            return false;
        }
        const float firstValue = valueOf(match.captured(2));
        const float secondValue = valueOf(match.captured(3));
        const float reference = firstValue - secondValue;
        if (!std::isfinite(firstValue) || !std::isfinite(reference)) {
            ++download_.readingsNotReadable;
            return true;
        }
        // A power no loss meter reads is no measurement.
        if (!PlausibleValues::isPowerDbm(firstValue) || !PlausibleValues::isPowerDbm(reference)) {
            ++download_.readingsImplausible;
            return true;
        }
        addReading(wavelength, firstValue, reference);
        return true;
    }

    // The value as the download reader sums it, so that a reading is the
    // same number whichever meter sent it.
    static float valueOf(const QString& text)
    {
        QByteArray bytes = text.toLatin1();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        DownloadReader fieldReader(buffer);
        float value = 0.0f;
        fieldReader.readDecimal(value, false);
        return value;
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
