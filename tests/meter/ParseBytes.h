#pragma once

#include "meter/DownloadParser.h"

#include <QBuffer>

// Parses a download held in memory.
inline std::optional<DownloadModel> parseBytes(const QByteArray& bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return DownloadParser::parse(buffer);
}

// A 2.10 download: header, the given custom-standard block lines, the four
// lines of custom standards 0 and 1, then `rest`.
inline QByteArray version2Download(const QByteArray& blocks, const QByteArray& rest)
{
    return "'Co','555','PN1','2.10','01/02/06'\n" + blocks +
           "'C0',0,'850nm',3.5,3.0,0.5,0.5,0.75,0.3\n"
           "'C0',0,'1300nm',1.5,1.0,0.4,0.3,0.75,0.3\n"
           "'C1',1,'',0,0,0,0,0,0\n"
           "'C1',1,'1310nm',0.5,0.5,0.4,0.35,0.5,0.1\n" +
           rest;
}

// One layout A site record; the blank line after it ends the site list.
inline const QByteArray kOneSiteA = "1,'S','01/02/06',100,2,0,20,1,2,-18.0\n\n";
