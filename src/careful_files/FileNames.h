#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace reelcase {

// The system names files by bytes, and names that are not UTF-8 (Latin-1 names from older
// disks and archives) are common. QFile::encodeName and decodeName turn such bytes into
// U+FFFD, and the name then leads to another file or to none. These two lose no byte: UTF-8
// reads as its characters, and each byte outside a valid UTF-8 sequence as a lone surrogate
// U+DC80..U+DCFF, which turns back into that byte. Every path the program opens, lists or
// writes goes through them.
QString fileNameFromBytes(QByteArrayView bytes);
QByteArray fileNameBytes(QStringView name);

// A name for people to read: a byte kept as a lone surrogate reads as Windows-1252, the
// single-byte code page that names written by older systems are most often in.
QString shownFileName(const QString& name);

}  // namespace reelcase
