#pragma once

#include "standards/StandardEntry.h"
#include "standards/StandardKey.h"

#include <array>
#include <optional>
#include <vector>

// Position of a walk over the catalogue: all built-in entries, then all custom
// ones, each map in bucket order and newest first within a bucket. A fresh
// position starts before the first built-in entry.
struct CatalogPosition
{
    int phase = 0; // 0 before the first call, 1 built-in map, 2 custom map, 3 ended
    int bucket = -1;
    int depth = 0; // 0 = newest node of the bucket
};

// The in-memory table of every standard a fiber can be judged against: the 90
// built-in entries plus the custom standards of the open test database and the
// shared standards file.
class StandardsCatalog
{
public:
    // Holds the built-in table from the start.
    StandardsCatalog();

    // Stores a copy under the entry's key, replacing an entry with an equal key.
    // A custom entry first loses the leading blanks of its wavelength, in the
    // caller's entry too.
    void add(StandardEntry& entry);

    // Built-in map first, then the custom map. The wavelength is matched by
    // number: "1300nm" and "1300" find the same entry.
    std::optional<StandardEntry> lookup(std::int16_t standardNumber, const QString& customStandardId,
                                        std::uint8_t fiberType, const QString& wavelengthName) const;

    // Next entry after `position` whose key passes `filter`; false at the end.
    bool findNext(const StandardKey& filter, CatalogPosition& position, StandardEntry& entry) const;

    // Next entry after `position`, with its key; false at the end.
    bool iterate(CatalogPosition& position, StandardKey& key, StandardEntry& entry) const;

    // Empties both maps and adds the built-in table again.
    void resetToBuiltIn();

    int builtInCount() const { return builtIn_.size(); }
    int customCount() const { return custom_.size(); }
    int count() const { return builtInCount() + customCount(); }

private:
    // A hash map of 17 buckets whose only visible property is its walk order.
    class EntryMap
    {
    public:
        using HashFunction = std::uint32_t (*)(const StandardKey&);
        explicit EntryMap(HashFunction hash) : hash_(hash) {}

        void insertOrReplace(const StandardKey& key, const StandardEntry& entry);
        const StandardEntry* find(const StandardKey& key) const;
        void clear();
        int size() const { return size_; }

        // Moves (bucket, depth) to the next node; false when the map is exhausted.
        bool advance(int& bucket, int& depth) const;
        const StandardKey& keyAt(int bucket, int depth) const { return node(bucket, depth).key; }
        const StandardEntry& entryAt(int bucket, int depth) const { return node(bucket, depth).entry; }

    private:
        static constexpr int kBucketCount = 17;
        struct Node
        {
            StandardKey key;
            StandardEntry entry;
        };
        const Node& node(int bucket, int depth) const;
        std::vector<Node>& bucketFor(const StandardKey& key);
        const std::vector<Node>& bucketFor(const StandardKey& key) const;

        HashFunction hash_;
        std::array<std::vector<Node>, kBucketCount> buckets_; // oldest first
        int size_ = 0;
    };

    bool step(CatalogPosition& position) const;
    const EntryMap& mapOf(const CatalogPosition& position) const;

    EntryMap builtIn_;
    EntryMap custom_;
};
