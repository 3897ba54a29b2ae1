#include "meter/DownloadParser.h"

#include "app/JobProgress.h"
#include "meter/DownloadFields.h"
#include "standards/PlausibleValues.h"

#include <QFile>

#include <cmath>
#include <cstdint>

namespace {

// No meter has more than a handful of reading columns; the bound keeps a
// damaged line of endless commas from growing the model.
constexpr int kMaxColumns = 4096;

const QString kUserLinkBudgetWord = QStringLiteral("CS15");
const QString kReturnLossWord = QStringLiteral("CS13");
const QString k1300 = QStringLiteral("1300nm");
const QString k1310 = QStringLiteral("1310nm");

// The temperatures a meter can record in either scale it may use: handheld
// meters work from about -10 to +50 °C (14 to 122 °F) and are stored from
// -40 to +70 °C (-40 to 158 °F); a little room either side.
constexpr float kMinTemperature = -60.0f;
constexpr float kMaxTemperature = 160.0f;
// Connector pairs and splices are kept in 16-bit columns; no link has more.
constexpr int kMaxCount = 32767;

void chopTrailingSpace(QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    text.truncate(end);
}

// The packed site value of the newer layout: fiber type in bits 4-7, the
// standard number's low nibble in bits 0-3 and its higher bits above bit 8.
void unpackLayoutA(int packed, DownloadSite& site)
{
    const auto p = static_cast<std::uint32_t>(packed);
    site.fiberType = static_cast<int>((p >> 4) & 0xFu);
    site.standardNumber = static_cast<int>((p & 0xFu) + ((p >> 4) & 0xFFF0u));
}

void unpackLayoutB(int packed, DownloadSite& site)
{
    const auto p = static_cast<std::uint32_t>(packed);
    site.wizardFlags = static_cast<int>(p & 7u);
    site.fiberType = static_cast<int>((p >> 4) & 0xFFu);
    site.standardNumber = 0;
}

} // namespace

DownloadParser::DownloadParser(QIODevice& device) : reader_(device) {}

bool DownloadParser::stopped()
{
    // A look at the job's flag now and then: a huge file stops promptly,
    // and once stopped the parse stays stopped.
    if (!stop_ && progress_ && ++sinceLook_ % 4096 == 0)
        stop_ = progress_->isCancelled();
    return stop_;
}

std::optional<DownloadModel> DownloadParser::parseFile(const QString& path, QString* error,
                                                       const JobProgress* progress)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    std::optional<DownloadModel> model = parse(file, progress);
    if (!model && error)
        *error = progress && progress->isCancelled() ? QStringLiteral("cancelled")
                                                     : QStringLiteral("%1: no download header").arg(path);
    return model;
}

std::optional<DownloadModel> DownloadParser::parse(QIODevice& device, const JobProgress* progress)
{
    DownloadParser parser(device);
    parser.progress_ = progress;
    if (!parser.readHeader())
        return std::nullopt;
    if (parser.isVersion2())
        parser.readCustomStandards();
    parser.readSites();
    parser.readFiberLists();
    if (progress && progress->isCancelled())
        return std::nullopt;
    return std::move(parser.model_);
}

bool DownloadParser::readHeader()
{
    DownloadHeader& header = model_.header;
    if (!reader_.readString(header.companyName, true))
        return false;
    for (QString* field : {&header.companyTelephone, &header.serialNumber, &header.versionText}) {
        reader_.skipToComma();
        reader_.readString(*field, true);
    }
    const std::optional<float> version = downloadVersionValue(header.versionText);
    if (!version)
        return false;
    header.versionValue = *version;
    reader_.skipToComma();
    QString date;
    if (reader_.readString(date, true))
        header.calibrationDate = parseDownloadDate(date);
    header.companyId = newRecordId();
    return true;
}

void DownloadParser::readCustomStandards()
{
    QString word;
    reader_.readString(word, true);
    if (word == kUserLinkBudgetWord) {
        readUserLinkBudget();
        reader_.readString(word, true);
    }
    while (word == kReturnLossWord) {
        readReturnLossBlock();
        reader_.readString(word, true);
    }
    // Custom standards 0 and 1, two lines (two wavelengths) each. The first
    // field of the first line is the word already read.
    bool firstLine = true;
    for (int code = 0; code <= 1; ++code) {
        const QString name = QStringLiteral("Custom Standard %1").arg(code);
        const RecordId id = newRecordId();
        for (int line = 0; line < 2; ++line) {
            if (!firstLine && !reader_.readString(word, true))
                return;
            firstLine = false;
            if (!readCustomStandardLine(code, name, id))
                return;
        }
    }
}

void DownloadParser::readUserLinkBudget()
{
    model_.userLinkBudgetId = newRecordId();
    reader_.skipToComma();
    bool lineEnd = false;
    while (!lineEnd) {
        QString wavelength;
        if (!reader_.readString(wavelength, true) || !reader_.skipToComma())
            return;
        chopTrailingSpace(wavelength);
        float maxLoss = 0.0f;
        reader_.readDecimal(maxLoss, false, &lineEnd);
        if (wavelength.isEmpty())
            continue;
        // A user link budget names 1300 nm for multimode and 1310 nm for
        // singlemode fiber; the other pairing gets no row.
        const int number = linkBudgetWavelengthNumber(wavelength);
        for (int fiberType = 0; fiberType < 4; ++fiberType) {
            const bool singlemode = fiberType >= 2;
            if ((number == 1300 && singlemode) || (number == 1310 && !singlemode))
                continue;
            CustomStandardEntry entry;
            entry.code = 15;
            entry.name = QStringLiteral("User Link Budget");
            entry.wavelength = wavelength;
            entry.maxLoss = maxLoss;
            entry.id = model_.userLinkBudgetId;
            entry.fiberType = fiberType;
            model_.customStandards.append(entry);
        }
    }
}

void DownloadParser::readReturnLossBlock()
{
    ReturnLossStandard block;
    block.id = newRecordId();
    reader_.skipToComma();
    reader_.readInteger(block.siteNumber, true);
    reader_.readInteger(block.fiberType, true);
    bool lineEnd = false;
    while (!lineEnd) {
        ReturnLossStandard::Requirement requirement;
        if (!reader_.readString(requirement.wavelength, true) || !reader_.skipToComma())
            break;
        chopTrailingSpace(requirement.wavelength);
        reader_.readDecimal(requirement.requiredReturnLoss, false, &lineEnd);
        block.requirements.append(requirement);
    }
    model_.returnLossStandards.insert_or_assign(block.siteNumber, block);
}

bool DownloadParser::readCustomStandardLine(int code, const QString& name, const RecordId& id)
{
    reader_.skipToComma();
    int unused = 0;
    reader_.readInteger(unused, false);
    QString wavelength;
    if (!reader_.readString(wavelength, true))
        return false;
    chopTrailingSpace(wavelength);
    reader_.skipToComma();
    float attenuation[4] = {};
    for (float& value : attenuation)
        reader_.readDecimal(value, false);
    float connectorLoss = 0.0f;
    float spliceLoss = 0.0f;
    reader_.readDecimal(connectorLoss, false);
    reader_.readDecimal(spliceLoss, true);
    if (wavelength.isEmpty())
        return true;
    // Multimode fiber is measured at 1300 nm, singlemode at 1310 nm; the
    // meter names one of them for both.
    for (int fiberType = 0; fiberType < 4; ++fiberType) {
        if (fiberType >= 2 && wavelength == k1300)
            wavelength = k1310;
        else if (fiberType < 2 && wavelength == k1310)
            wavelength = k1300;
        CustomStandardEntry entry;
        entry.code = code;
        entry.name = name;
        entry.wavelength = wavelength;
        entry.attenuation = attenuation[fiberType];
        entry.connectorLoss = connectorLoss;
        entry.spliceLoss = spliceLoss;
        entry.maxLoss = 0.0f;
        entry.id = id;
        entry.fiberType = fiberType;
        model_.customStandards.append(entry);
    }
    return true;
}

void DownloadParser::readSites()
{
    const float version = model_.header.versionValue;
    const int maxRecords = version >= 1.15f ? 8 : 4;
    for (int index = 0; index < maxRecords; ++index) {
        DownloadSite site;
        if (!readSite(index, site))
            return;
        model_.sites.insert_or_assign(site.siteNumber, site);
    }
}

bool DownloadParser::readSite(int index, DownloadSite& site)
{
    bool lineEnd = false;
    reader_.readInteger(site.siteNumber, index == 0, &lineEnd);
    if (lineEnd)
        return false;
    QString date;
    if (!reader_.readString(site.name, true) || !reader_.skipToComma() || !reader_.readString(date, true))
        return false;
    site.testDate = parseDownloadDate(date);
    reader_.skipToComma();
    site.uploadDate = QDateTime::currentDateTime();
    if (isVersion2()) {
        readSiteConditionsA(site);
        return true;
    }
    return readSiteConditionsB(site);
}

void DownloadParser::readLinkConditions(DownloadSite& site)
{
    // Length and temperature are kept as fractions (the database holds them
    // so); the counts are whole numbers. An empty field reads as 0, as it
    // always has; a damaged one marks the whole link.
    reader_.readDecimal(site.fiberLengthMetres, false);
    bool damaged = reader_.lastNumberDamaged() ||
                   !PlausibleValues::isLinkLengthKm(static_cast<double>(site.fiberLengthMetres) / 1000.0);
    for (int* count : {&site.connectorPairs, &site.splices}) {
        reader_.readInteger(*count, false);
        damaged = damaged || reader_.lastNumberDamaged() || *count < 0 || *count > kMaxCount;
    }
    reader_.readDecimal(site.temperature, false);
    damaged = damaged || reader_.lastNumberDamaged() || !std::isfinite(site.temperature) ||
              site.temperature < kMinTemperature || site.temperature > kMaxTemperature;
    site.conditionsDamaged = damaged;
}

DownloadParser::Field DownloadParser::readPowerField(float& power, bool* lineEnd)
{
    power = 0.0f;
    const bool read = reader_.readDecimal(power, false, lineEnd);
    if (reader_.lastNumberDamaged() || (read && !std::isfinite(power)))
        return Field::Malformed;
    if (!read)
        return Field::Empty;
    return PlausibleValues::isPowerDbm(power) ? Field::Power : Field::Implausible;
}

void DownloadParser::addReference(DownloadSite& site, Field field, float power)
{
    if (field == Field::Power) {
        site.referencePowers.append(power);
        return;
    }
    if (field != Field::Empty)
        site.damagedReferenceColumns.append(static_cast<int>(site.referencePowers.size()));
    site.referencePowers.append(std::nullopt);
}

void DownloadParser::readSiteConditionsA(DownloadSite& site)
{
    readLinkConditions(site);
    int packed = 0;
    reader_.readInteger(site.wizardFlags, false);
    reader_.readInteger(packed, false);
    unpackLayoutA(packed, site);

    // Up to five reference powers, one per reading column: an empty field is
    // a column without a reference, and the later ones keep their columns.
    // Then any further ones up to the first that cannot be read.
    bool lineEnd = false;
    for (int column = 0; column < 5 && !lineEnd; ++column) {
        float power = 0.0f;
        const Field field = readPowerField(power, &lineEnd);
        if (field != Field::Empty || !lineEnd)
            addReference(site, field, power);
    }
    while (!lineEnd && site.referencePowers.size() < kMaxColumns) {
        float power = 0.0f;
        const Field field = readPowerField(power, &lineEnd);
        if (field == Field::Empty)
            break;
        addReference(site, field, power);
    }
}

bool DownloadParser::readSiteConditionsB(DownloadSite& site)
{
    readLinkConditions(site);
    int packed = 0;
    reader_.readInteger(packed, false);
    unpackLayoutB(packed, site);
    // Exactly three references; a line that ends before the third is short,
    // and a damaged field keeps its column without a reference.
    bool lineEnd = false;
    for (int column = 0; column < 3; ++column) {
        if (lineEnd)
            return false;
        float power = 0.0f;
        const Field field = readPowerField(power, &lineEnd);
        if (field == Field::Empty)
            return false;
        addReference(site, field, power);
    }
    return true;
}

void DownloadParser::readFiberLists()
{
    while (!reader_.atEnd() && !stopped()) {
        FiberList list;
        if (!readFiberListHeader(list))
            continue;
        bool ranIntoEnd = false;
        readFibers(list, &ranIntoEnd);
        if (!ranIntoEnd || !list.fibers.isEmpty())
            model_.fiberLists.append(std::move(list));
    }
}

bool DownloadParser::readFiberListHeader(FiberList& list)
{
    if (!reader_.readInteger(list.siteNumber, true))
        return false;
    reader_.readInteger(list.fiberType, false);
    QString discarded;
    if (!reader_.readString(list.name, false) || !reader_.readString(discarded, true))
        return false;
    QString wavelength;
    if (isVersion2()) {
        while (reader_.skipToCommaOrLineEnd() && list.wavelengthNames.size() < kMaxColumns) {
            reader_.readString(wavelength, false);
            list.wavelengthNames.append(wavelength);
        }
        return true;
    }
    for (int column = 0; column < 3; ++column) {
        reader_.skipToComma();
        reader_.readString(wavelength, false);
        list.wavelengthNames.append(wavelength);
    }
    return true;
}

void DownloadParser::readFibers(FiberList& list, bool* ranIntoEnd)
{
    // Fibers follow their header line by line; the first line that does not
    // begin with a quote (a blank line between lists) ends them.
    for (bool first = true; !stopped(); first = false) {
        // Built in place: a download may hold hundreds of thousands of fibers.
        DownloadFiber& fiber = list.fibers.emplaceBack();
        if (!reader_.readString(fiber.name, first)) {
            list.fibers.removeLast();
            *ranIntoEnd = reader_.atEnd();
            return;
        }
        reader_.skipToComma();
        const int columns = isVersion2() ? kMaxColumns : 3;
        bool lineEnd = false;
        for (int column = 0; column < columns && !lineEnd; ++column) {
            float power = 0.0f;
            switch (readPowerField(power, isVersion2() ? &lineEnd : nullptr)) {
            case Field::Power:
                fiber.setReading(column, power);
                break;
            case Field::Malformed:
                ++list.malformedReadings;
                break;
            case Field::Implausible:
                ++list.implausibleReadings;
                break;
            case Field::Empty:
                break;
            }
        }
    }
}
