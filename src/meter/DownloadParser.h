#pragma once

#include "meter/DownloadModel.h"
#include "meter/DownloadReader.h"

#include <cstdint>
#include <optional>

class QIODevice;

// Reads a downloaded ".kav" file of any of its three generations (version
// below 1.15, 1.15 up to 2.0, 2.0 or later) into a DownloadModel. Only a file
// without a readable header fails; any other short or malformed part ends the
// section it is in and keeps what was read before it. A damaged reading or
// reference (see DownloadReader; or a power no loss meter reads) is left out
// and counted, and a damaged length, count or temperature marks its site, so
// that nothing the meter did not send is ever judged.
class JobProgress;

class DownloadParser
{
public:
    // `progress`, when given, may stop a long parse between fibers: the
    // result is then empty, with the reason in `error`.
    static std::optional<DownloadModel> parseFile(const QString& path, QString* error = nullptr,
                                                  const JobProgress* progress = nullptr);
    static std::optional<DownloadModel> parse(QIODevice& device, const JobProgress* progress = nullptr);

private:
    explicit DownloadParser(QIODevice& device);

    bool readHeader();
    void readCustomStandards();
    void readUserLinkBudget();
    void readReturnLossBlock();
    bool readCustomStandardLine(int code, const QString& name, const RecordId& id);
    void readSites();
    bool readSite(int index, DownloadSite& site);
    // Fiber length, connector pairs, splices and temperature, which both
    // site layouts begin with.
    void readLinkConditions(DownloadSite& site);
    // A power field (a reference or a reading): a plausible power, empty, or
    // damaged in one of two ways.
    enum class Field
    {
        Power,
        Empty,
        Malformed,   // what a meter never writes in a number, or no finite number
        Implausible, // a power no loss meter reads
    };
    Field readPowerField(float& power, bool* lineEnd);
    static void addReference(DownloadSite& site, Field field, float power);
    void readSiteConditionsA(DownloadSite& site);
    bool readSiteConditionsB(DownloadSite& site);
    void readFiberLists();
    bool readFiberListHeader(FiberList& list);
    void readFibers(FiberList& list, bool* ranIntoEnd);

    bool isVersion2() const { return model_.header.versionValue >= 2.0f; }
    bool stopped();

    DownloadReader reader_;
    DownloadModel model_;
    const JobProgress* progress_ = nullptr;
    std::uint64_t sinceLook_ = 0;
    bool stop_ = false;
};
