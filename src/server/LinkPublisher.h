#pragma once

class Database;
class JobProgress;
class PgConnection;

// What a publish put on the team server.
struct PublishCounts
{
    long long links = 0;
    long long fibers = 0;
    long long replaced = 0; // links already there that these measured again
};

// Sends every link of an open test database to the team server in one
// transaction: all of it lands or none (a failure, a lost connection or a
// killed program never commits). A link already on the server with the same
// identity (name, test date, meter serial number) is replaced, with its
// circuits, as a local merge replaces it; the organisations and custom
// standards of the file go with its links, and those only the replaced links
// used go with them. Publishes wait for each other on the server (one lock
// for the transaction), so two at once both land, one after the other,
// without a retry and without a deadlock; readers never wait for them.
// Says what it does through `progress` (waiting for another publish too);
// the connection's job stops it. Throws ServerError.
class LinkPublisher
{
public:
    static PublishCounts publish(PgConnection& server, Database& file, JobProgress* progress = nullptr);
};
