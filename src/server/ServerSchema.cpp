#include "server/ServerSchema.h"

#include "server/PgConnection.h"

#include <array>

namespace {

// Two server-inits at once would both find no schema; the second waits for
// the first here and then finds it made.
const char* const kInitLock = "SELECT pg_advisory_xact_lock(7270110001)";

// Version 0 to 1. The dates of a test database are wall-clock times without
// a zone, so they stay "timestamp": a zone added here would be invented, and
// a fetch in another zone would move them. Readings and lengths are numeric:
// they hold the shortest decimal that gives back the meter's stored value
// exactly. A link's identity is its name folded as the test database folds
// it (ASCII letters without case), its test date ('-infinity' for none, so a
// missing date matches a missing one as in a local merge) and its meter's
// serial number (none never matches: such a link is never taken for another).
//
// A circuit is found by its link: its key leads with the link, so a fetch
// reads a link's circuits from one place in one index, and publishing, whose
// rows come link by link, adds to that index where it added the row before.
// Publishing pays for every index entry of every circuit (each index costs
// about as much again as the COPY of the rows), so the circuits carry this
// one index only: their GUID is unique within their link, as a test database
// keeps it, and no second index makes it unique across the server. For the
// same reason "a circuit needs its link" and "a link's circuits go with it"
// are kept by one check per statement over all its rows, not by a foreign
// key, which looks up and locks the link once per circuit. The checks name
// the tables of the schema server-init made them in, whatever search path
// the session that fires them has.
const char* const kCreateVersion1 = R"SQL(
CREATE TABLE fibrolog_schema (
    only_row boolean PRIMARY KEY DEFAULT true CHECK (only_row),
    version integer NOT NULL
);
CREATE TABLE organisations (
    id uuid PRIMARY KEY,
    name varchar(50),
    phone varchar(13),
    meter_serial varchar(20),
    meter_version varchar(20)
);
CREATE TABLE links (
    id uuid PRIMARY KEY,
    organisation_id uuid,
    name varchar(50),
    test_date timestamp(0),
    upload_date timestamp(0),
    calibration_date timestamp(0),
    fiber_length numeric,
    connections smallint,
    splices smallint,
    temperature numeric,
    fiber_type smallint,
    wizard smallint,
    standard smallint,
    reference_850 numeric,
    reference_980 numeric,
    reference_1300 numeric,
    reference_1480 numeric,
    reference_1550 numeric,
    wavelength1 varchar(6),
    wavelength2 varchar(6),
    wavelength3 varchar(6),
    wavelength4 varchar(6),
    wavelength5 varchar(6),
    custom_standard_id uuid,
    comment varchar(128),
    identity_name text NOT NULL,
    identity_date timestamp(0) NOT NULL,
    identity_serial text,
    published_by text NOT NULL DEFAULT current_user,
    published_at timestamptz NOT NULL DEFAULT now()
);
CREATE UNIQUE INDEX links_identity ON links (identity_name, identity_date, identity_serial);
CREATE INDEX links_organisation ON links (organisation_id);
CREATE INDEX links_test_date ON links (test_date);
CREATE INDEX links_custom_standard ON links (custom_standard_id) WHERE custom_standard_id IS NOT NULL;
CREATE TABLE fibers (
    id uuid NOT NULL,
    link_id uuid NOT NULL,
    name varchar(50),
    power_850 numeric,
    power_980 numeric,
    power_1300 numeric,
    power_1480 numeric,
    power_1550 numeric,
    fiber_type smallint,
    PRIMARY KEY (link_id, id)
);
CREATE FUNCTION fibers_need_their_link() RETURNS trigger LANGUAGE plpgsql SET search_path FROM CURRENT AS $$
DECLARE
    wanted uuid[];
    missing uuid;
BEGIN
    -- The few links of the many circuits, once; then, as a foreign key
    -- does, each is locked so it cannot go before this transaction ends.
    SELECT array_agg(link_id) INTO wanted FROM (SELECT DISTINCT link_id FROM added) d;
    PERFORM 1 FROM links l WHERE l.id = ANY (wanted) FOR KEY SHARE;
    SELECT w INTO missing FROM unnest(wanted) w WHERE NOT EXISTS (SELECT 1 FROM links l WHERE l.id = w) LIMIT 1;
    IF FOUND THEN
        RAISE EXCEPTION 'a circuit belongs to the link %, which is not on the team server', missing
            USING ERRCODE = 'foreign_key_violation';
    END IF;
    RETURN NULL;
END
$$;
CREATE TRIGGER fibers_need_their_link AFTER INSERT ON fibers REFERENCING NEW TABLE AS added
    FOR EACH STATEMENT EXECUTE FUNCTION fibers_need_their_link();
CREATE FUNCTION fibers_go_with_their_link() RETURNS trigger LANGUAGE plpgsql SET search_path FROM CURRENT AS $$
BEGIN
    DELETE FROM fibers f USING gone g WHERE f.link_id = g.id;
    RETURN NULL;
END
$$;
CREATE TRIGGER fibers_go_with_their_link AFTER DELETE ON links REFERENCING OLD TABLE AS gone
    FOR EACH STATEMENT EXECUTE FUNCTION fibers_go_with_their_link();
CREATE TABLE custom_standards (
    custom_standard_id uuid NOT NULL,
    standard_number smallint,
    name varchar(50),
    fiber_type smallint NOT NULL,
    wavelength varchar(7) NOT NULL,
    max_distance numeric,
    max_loss numeric,
    attenuation numeric,
    connector_loss numeric,
    splice_loss numeric,
    PRIMARY KEY (custom_standard_id, fiber_type, wavelength)
);
CREATE TABLE publications (
    id bigserial PRIMARY KEY,
    published_by text NOT NULL DEFAULT current_user,
    published_at timestamptz NOT NULL DEFAULT now(),
    links integer NOT NULL,
    fibers integer NOT NULL,
    replaced integer NOT NULL
);
INSERT INTO fibrolog_schema (version) VALUES (0);
)SQL";

// Step n brings version n to n + 1; a later version appends its step.
const std::array<const char*, ServerSchema::kCurrentVersion> kUpgradeSteps = {kCreateVersion1};

} // namespace

namespace ServerSchema {

int version(PgConnection& connection)
{
    const PgResult table = connection.execute("SELECT to_regclass('fibrolog_schema') IS NOT NULL");
    if (table.text(0, 0) != QLatin1String("t"))
        return 0;
    const PgResult row = connection.execute("SELECT version FROM fibrolog_schema");
    return row.rows() == 1 ? static_cast<int>(row.integer(0, 0)) : 0;
}

InitOutcome initialise(PgConnection& connection)
{
    PgTransaction transaction(connection);
    connection.execute(kInitLock);
    InitOutcome outcome;
    outcome.fromVersion = version(connection);
    if (outcome.fromVersion > kCurrentVersion)
        throw ServerError(QStringLiteral("the team server's schema is version %1, newer than this program's "
                                         "(%2): use a newer Fibrolog")
                              .arg(outcome.fromVersion)
                              .arg(kCurrentVersion));
    for (int step = outcome.fromVersion; step < kCurrentVersion; ++step)
        connection.execute(kUpgradeSteps[static_cast<std::size_t>(step)]);
    connection.execute("UPDATE fibrolog_schema SET version = $1",
                       PgParams().add(QString::number(kCurrentVersion)));
    transaction.commit();
    outcome.toVersion = kCurrentVersion;
    return outcome;
}

void requireCurrent(PgConnection& connection)
{
    const int found = version(connection);
    if (found == 0)
        throw ServerError(
            QStringLiteral("the team server has no Fibrolog schema: run fibrolog-cli server-init first"));
    if (found > kCurrentVersion)
        throw ServerError(QStringLiteral("the team server's schema is version %1, newer than this program's "
                                         "(%2): use a newer Fibrolog")
                              .arg(found)
                              .arg(kCurrentVersion));
    if (found < kCurrentVersion)
        throw ServerError(QStringLiteral("the team server's schema is version %1, older than this program's "
                                         "(%2): run fibrolog-cli server-init to upgrade it")
                              .arg(found)
                              .arg(kCurrentVersion));
}

} // namespace ServerSchema
