#include "meter/DownloadModelDump.h"

#include "meter/DownloadModel.h"

#include <QHash>
#include <QTextStream>

namespace {

class Dumper
{
public:
    explicit Dumper(QString* text) : out_(text) {}

    void dump(const DownloadModel& model);

private:
    QString id(const RecordId& recordId);
    static QString number(float value) { return QString::asprintf("%.2f", static_cast<double>(value)); }
    static QString quoted(const QString& text) { return QLatin1Char('\'') + text + QLatin1Char('\''); }
    static QString date(const QDate& value)
    {
        return value.isValid() ? value.toString(Qt::ISODate) : QStringLiteral("none");
    }

    QTextStream out_;
    QHash<QString, int> ids_;
};

QString Dumper::id(const RecordId& recordId)
{
    if (recordId.isEmpty())
        return QStringLiteral("none");
    if (recordId.size() != kRecordIdLength)
        return QStringLiteral("<malformed id>");
    const auto it = ids_.constFind(recordId);
    const int n = it != ids_.constEnd() ? *it : *ids_.insert(recordId, int(ids_.size()) + 1);
    return QStringLiteral("<id %1>").arg(n);
}

void Dumper::dump(const DownloadModel& model)
{
    const DownloadHeader& h = model.header;
    out_ << "company " << quoted(h.companyName) << " telephone " << quoted(h.companyTelephone) << " id "
         << id(h.companyId) << '\n';
    out_ << "meter serial " << quoted(h.serialNumber) << " version " << quoted(h.versionText) << " = "
         << number(h.versionValue) << " calibrated " << date(h.calibrationDate) << '\n';
    out_ << "user link budget " << id(model.userLinkBudgetId) << '\n';
    for (const CustomStandardEntry& e : model.customStandards) {
        out_ << "standard row " << e.code << ' ' << quoted(e.name) << ' ' << id(e.id) << " fiber type "
             << e.fiberType << ' ' << quoted(e.wavelength) << " attenuation " << number(e.attenuation)
             << " connector " << number(e.connectorLoss) << " splice " << number(e.spliceLoss) << " max loss "
             << number(e.maxLoss) << '\n';
    }
    for (const auto& [site, block] : model.returnLossStandards) {
        out_ << "return loss site " << site << " (" << block.siteNumber << ") fiber type " << block.fiberType
             << ' ' << id(block.id);
        for (const ReturnLossStandard::Requirement& r : block.requirements)
            out_ << ' ' << quoted(r.wavelength) << '=' << number(r.requiredReturnLoss);
        out_ << '\n';
    }
    for (const auto& [siteNumber, s] : model.sites) {
        out_ << "site " << siteNumber << ' ' << quoted(s.name) << " tested " << date(s.testDate) << " length "
             << number(s.fiberLengthMetres) << " connectors " << s.connectorPairs << " splices " << s.splices
             << " temperature " << number(s.temperature) << " wizard " << s.wizardFlags << " fiber type "
             << s.fiberType << " standard " << s.standardNumber << " references";
        for (const std::optional<float>& power : s.referencePowers)
            out_ << ' ' << (power ? number(*power) : QStringLiteral("-"));
        out_ << " uploaded " << (s.uploadDate.isValid() ? "yes" : "no");
        // Damage is shown only where there is some, so sound downloads dump
        // as they always have.
        if (!s.damagedReferenceColumns.isEmpty()) {
            out_ << " damaged references";
            for (int column : s.damagedReferenceColumns)
                out_ << ' ' << column;
        }
        if (s.conditionsDamaged)
            out_ << " damaged conditions";
        out_ << '\n';
    }
    for (const FiberList& list : model.fiberLists) {
        out_ << "fiber list site " << list.siteNumber << " fiber type " << list.fiberType << ' '
             << quoted(list.name) << " wavelengths";
        for (const QString& name : list.wavelengthNames)
            out_ << ' ' << quoted(name);
        if (list.malformedReadings > 0)
            out_ << " damaged readings " << list.malformedReadings;
        if (list.implausibleReadings > 0)
            out_ << " implausible readings " << list.implausibleReadings;
        out_ << '\n';
        for (const DownloadFiber& fiber : list.fibers) {
            out_ << "  fiber " << quoted(fiber.name);
            for (const DownloadFiber::Reading& r : fiber.readings())
                out_ << ' ' << r.column << ':' << number(r.power);
            out_ << '\n';
        }
    }
}

} // namespace

QString dumpDownloadModel(const DownloadModel& model)
{
    QString text;
    {
        Dumper dumper(&text);
        dumper.dump(model);
    }
    return text;
}
