#pragma once

#include "database/CKAVCompanySet1.h"

#include <QList>
#include <QPair>

// The Company table of the current schema, with the list of organisations
// the Link Wizard offers.
class CKAVCompanySet2 : public CKAVCompanySet1
{
public:
    using NamePair = QPair<QString, RecordId>; // company name, company number

    explicit CKAVCompanySet2(Database& db) : CKAVCompanySet1(db) {}

    // Each distinct company name once, in name order, with the number of its
    // first row. A database error ends the list where it happened.
    void listCompanyNames();
    int pairCount() const { return static_cast<int>(pairs_.size()); }
    const NamePair& pairAt(int i) const { return pairs_.at(i); }

    // Adds a company; an empty serial number or version is stored as
    // "unknown". False, with `newId` unchanged, when the row cannot be added.
    bool addCompany(const QString& name, const QString& phone, const QString& serialNo,
                    const QString& version, RecordId& newId);

private:
    QList<NamePair> pairs_;
};
