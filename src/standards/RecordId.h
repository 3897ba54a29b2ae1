#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

// Site, Fiber and Company rows and custom standards are identified by GUIDs.
// The program keeps them as text of exactly 45 characters,
// "{guid {xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}}", and compares and passes them
// only in that form; the 16 raw bytes are needed only for catalogue keys.
using RecordId = QString;
using Guid = std::array<std::uint8_t, 16>;

constexpr int kRecordIdLength = 45;

RecordId newRecordId();
RecordId recordIdFromGuid(const Guid& guid);

// Any text that is not exactly 45 characters long gives the all-zero GUID, and
// so does text whose GUID part does not parse.
Guid guidFromRecordId(QStringView text);

bool isNullGuid(const Guid& guid);

// A 16-bit hash of the GUID bytes; it only decides catalogue bucket order.
std::uint16_t guidHash(const Guid& guid);
