#include "database/Workspace.h"

#include <algorithm>

Database& Workspace::openDatabase(const QString& path, bool exclusive, bool readOnly, const QString& connect)
{
    auto db = std::make_unique<Database>();
    db->open(path, exclusive, readOnly, connect);
    databases_.push_back(std::move(db));
    return *databases_.back();
}

Database& Workspace::createDatabase(const QString& path, const QString& locale, int options)
{
    auto db = std::make_unique<Database>();
    db->create(path, locale, options);
    databases_.push_back(std::move(db));
    return *databases_.back();
}

void Workspace::closeDatabase(Database& db)
{
    db.close();
    databases_.erase(std::remove_if(databases_.begin(), databases_.end(),
                                    [&db](const std::unique_ptr<Database>& p) { return p.get() == &db; }),
                     databases_.end());
}

void Workspace::close()
{
    for (auto& db : databases_)
        db->close();
    databases_.clear();
}
