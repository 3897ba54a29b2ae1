#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class PgConnection;

// Which links of the team server to fetch; empty parts choose all.
struct FetchFilter
{
    QStringList linkNames; // compared as a link's identity compares them
    QString company;       // an organisation's name, without regard to case
    QDate since;           // links tested on or after this day
    QStringList linkIds;   // the server's ids of the links (as listed for choosing)
};

// What a fetch wrote.
struct FetchCounts
{
    long long links = 0;
    long long fibers = 0;
};

// Writes the chosen links of the team server, with their circuits, their
// organisations and the custom standards they use, into a new test database
// at `path` (schema 2.1), stored exactly as they were published: the same
// GUIDs, texts, dates and floats. All of it is read in one snapshot, so a
// publish meanwhile is seen whole or not at all. Throws ServerError.
class LinkFetcher
{
public:
    static FetchCounts fetchInto(PgConnection& server, const FetchFilter& filter, const QString& path);
};
