#pragma once

#include "app/OperationResult.h"
#include "server/LinkFetcher.h"
#include "server/LinkPublisher.h"
#include "server/ServerInfo.h"
#include "server/ServerSchema.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <vector>

class JobProgress;

// One link on the team server as the user chooses among them.
struct ServerLinkEntry
{
    QString id; // the server's id of the link, for fetching it
    QString company;
    QString name;
    QDateTime testDate; // invalid when the link has none
    QString meterSerial;
    long long circuits = 0;
    QString publishedBy;
    QDateTime publishedAt;
};

// Which links to list: each text is a part of the company's or the link's
// name, without regard to case; empty parts choose all.
struct ServerLinkQuery
{
    QString company;
    QString name;
    QDate since; // tested on or after this day
    int limit = 1000;
};

// The first links that match, ordered by company, name and test date.
struct ServerLinkList
{
    std::vector<ServerLinkEntry> links;
    bool more = false; // more links match than `limit`
};

// The one edge of the team server for the command line and the window: each
// operation connects, does its work watching the job (whose cancel stops it
// soon, also while it waits for the server or for another publish), and says
// how it ended as an OperationResult: success; failure, with the reason in
// one line; or cancelled, having changed nothing. What it produced goes to
// the given out-value only on success. The server's errors and the file's
// stay inside.
class TeamServer
{
public:
    // `address`: a resolved address (see ServerAddress).
    explicit TeamServer(const QString& address) : address_(address) {}

    // Creates or upgrades the server's schema.
    OperationResult initialise(JobProgress& job, ServerSchema::InitOutcome* outcome) const;
    // The server's schema version and counts, or why they cannot be had.
    OperationResult testConnection(JobProgress& job, ServerCounts* counts) const;
    // Sends every link of the test database `file` in one transaction.
    OperationResult publish(const QString& file, JobProgress& job, PublishCounts* counts) const;
    // Lists the links for choosing, in one page of at most query.limit.
    OperationResult listLinks(const ServerLinkQuery& query, JobProgress& job, ServerLinkList* list) const;
    // Writes the chosen links into the new test database `path`; on a failure
    // or a cancel no file is left there. No link matching is a success with
    // counts of 0 (and no file).
    OperationResult fetch(const FetchFilter& filter, const QString& path, JobProgress& job,
                          FetchCounts* counts) const;

private:
    QString address_;
};
