#pragma once

#include "database/CKAVSiteSet2.h"

// The Site table of the current schema: schema 2.0 plus the link comment.
class CKAVSiteSet2_1 : public CKAVSiteSet2
{
public:
    explicit CKAVSiteSet2_1(Database& db) : CKAVSiteSet2(db) {}

    QString siteComment;

    void copyFrom(const CKAVSiteSet2_1& other);

protected:
    void doFieldExchange(FieldExchange& fx) override;
};
