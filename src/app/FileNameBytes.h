#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// File names from outside the program (arguments, file dialogs, stored
// settings) that it cannot carry. Qt reads a file name as UTF-8 and turns
// bytes that are no UTF-8 (a Latin-1 "caf\xe9.mdb" from an old USB stick)
// into U+FFFD, which no file operation turns back: such a name would reach
// another file, or none, and two names could reach one file. The program
// refuses them, with a message that names the file as it was typed.
namespace FileNameBytes {

// True when the bytes come back unchanged from the text Qt makes of them.
bool isCarriedExactly(const QByteArray& name);

// The bytes for a message: UTF-8 as it is, every other byte as "\xNN".
QString shown(const QByteArray& name);

// True when a name Qt has already read (from a file dialog, a setting) may
// stand for bytes that were no UTF-8: it holds U+FFFD.
bool mayStandForOtherBytes(const QString& name);

// The message for such a name, `shownName` as shown() or the name as read.
QString refusal(const QString& shownName);

// The refusal for the first of `arguments` (as the system gave them) that is
// not carried exactly; empty when every one is.
QString refusalForArguments(const QByteArrayList& arguments);

// A program's arguments as the system gave them, without the program's name.
QByteArrayList argumentsOf(int argc, const char* const* argv);

} // namespace FileNameBytes
