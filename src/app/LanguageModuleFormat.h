#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <optional>

// Reads the texts of a compiled Qt Linguist file (.qm) with id-based
// messages, checking every byte of its structure on the way: the magic
// number, every block's tag and length, every message record's tags and
// lengths, that each message names one string id, that no id comes twice
// and that the hash table points at the messages it claims to. Qt's own
// translator trusts these offsets and lengths and reads past the end of a
// damaged file, so the program reads modules only through this.
//
// The texts by id (an empty translation counts as none); nothing when the
// bytes are not such a file or are damaged anywhere.
std::optional<QHash<int, QString>> readLanguageModule(QByteArrayView bytes);
