#include "standards/StandardsCatalog.h"

#include "standards/BuiltInStandards.h"

namespace {

std::uint32_t builtInHash(const StandardKey& key)
{
    const auto number = static_cast<std::uint32_t>(key.standardNumber & 0xFF);
    const auto fiber = static_cast<std::uint32_t>(key.fiberType & 3);
    // The wavelength number is sign-extended before the shift, so "ANY" (-1)
    // sets every bit from bit 6 up.
    const auto wavelength = static_cast<std::uint32_t>(static_cast<std::int32_t>(key.wavelengthNumber));
    return number << 24 | fiber << 22 | wavelength << 6;
}

std::uint32_t customHash(const StandardKey& key)
{
    const auto fiber = static_cast<std::uint32_t>(key.fiberType & 3);
    // C++ division truncates toward zero and the remainder keeps the dividend's sign.
    const auto wavelength = static_cast<std::uint32_t>((key.wavelengthNumber / 10) % 256);
    const auto guid = static_cast<std::uint32_t>(guidHash(key.customGuid));
    return fiber << 29 | wavelength << 21 | guid << 5;
}

} // namespace

void StandardsCatalog::EntryMap::insertOrReplace(const StandardKey& key, const StandardEntry& entry)
{
    std::vector<Node>& bucket = bucketFor(key);
    for (Node& node : bucket) {
        if (node.key == key) {
            node.entry = entry;
            return;
        }
    }
    bucket.push_back(Node{key, entry});
    ++size_;
}

const StandardEntry* StandardsCatalog::EntryMap::find(const StandardKey& key) const
{
    for (const Node& node : bucketFor(key)) {
        if (node.key == key)
            return &node.entry;
    }
    return nullptr;
}

void StandardsCatalog::EntryMap::clear()
{
    for (std::vector<Node>& bucket : buckets_)
        bucket.clear();
    size_ = 0;
}

bool StandardsCatalog::EntryMap::advance(int& bucket, int& depth) const
{
    if (bucket < 0) {
        bucket = 0;
        depth = 0;
    } else {
        ++depth;
    }
    while (bucket < kBucketCount &&
           depth >= static_cast<int>(buckets_[static_cast<std::size_t>(bucket)].size())) {
        ++bucket;
        depth = 0;
    }
    return bucket < kBucketCount;
}

const StandardsCatalog::EntryMap::Node& StandardsCatalog::EntryMap::node(int bucket, int depth) const
{
    const std::vector<Node>& nodes = buckets_[static_cast<std::size_t>(bucket)];
    return nodes[nodes.size() - 1 - static_cast<std::size_t>(depth)];
}

std::vector<StandardsCatalog::EntryMap::Node>& StandardsCatalog::EntryMap::bucketFor(const StandardKey& key)
{
    return buckets_[(hash_(key) >> 4) % kBucketCount];
}

const std::vector<StandardsCatalog::EntryMap::Node>&
StandardsCatalog::EntryMap::bucketFor(const StandardKey& key) const
{
    return buckets_[(hash_(key) >> 4) % kBucketCount];
}

StandardsCatalog::StandardsCatalog() : builtIn_(builtInHash), custom_(customHash)
{
    resetToBuiltIn();
}

void StandardsCatalog::resetToBuiltIn()
{
    builtIn_.clear();
    custom_.clear();
    for (StandardEntry& entry : builtInStandards())
        add(entry);
}

void StandardsCatalog::add(StandardEntry& entry)
{
    if (!entry.isCustom()) {
        builtIn_.insertOrReplace(StandardKey::fromEntry(entry), entry);
        return;
    }
    qsizetype blanks = 0;
    while (blanks < entry.wavelength.size() && entry.wavelength.at(blanks) == QLatin1Char(' '))
        ++blanks;
    entry.wavelength.remove(0, blanks);
    custom_.insertOrReplace(StandardKey::fromEntry(entry), entry);
}

std::optional<StandardEntry> StandardsCatalog::lookup(std::int16_t standardNumber,
                                                      const QString& customStandardId, std::uint8_t fiberType,
                                                      const QString& wavelengthName) const
{
    const StandardKey key = StandardKey::make(standardNumber, customStandardId, fiberType, wavelengthName);
    if (const StandardEntry* entry = builtIn_.find(key))
        return *entry;
    if (const StandardEntry* entry = custom_.find(key))
        return *entry;
    return std::nullopt;
}

const StandardsCatalog::EntryMap& StandardsCatalog::mapOf(const CatalogPosition& position) const
{
    return position.phase == 1 ? builtIn_ : custom_;
}

bool StandardsCatalog::step(CatalogPosition& position) const
{
    if (position.phase == 0) {
        position.phase = 1;
        position.bucket = -1;
    }
    while (position.phase == 1 || position.phase == 2) {
        if (mapOf(position).advance(position.bucket, position.depth))
            return true;
        ++position.phase;
        position.bucket = -1;
        position.depth = 0;
    }
    return false;
}

bool StandardsCatalog::iterate(CatalogPosition& position, StandardKey& key, StandardEntry& entry) const
{
    if (!step(position))
        return false;
    const EntryMap& map = mapOf(position);
    key = map.keyAt(position.bucket, position.depth);
    entry = map.entryAt(position.bucket, position.depth);
    return true;
}

bool StandardsCatalog::findNext(const StandardKey& filter, CatalogPosition& position,
                                StandardEntry& entry) const
{
    while (step(position)) {
        const EntryMap& map = mapOf(position);
        if (filter.admits(map.keyAt(position.bucket, position.depth))) {
            entry = map.entryAt(position.bucket, position.depth);
            return true;
        }
    }
    return false;
}
