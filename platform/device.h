// The device profile: one folder per user that holds device.db, the state of every platform
// service (registry, record databases, clock offset, device zone). Opened on first use; a new
// profile runs the installation package once.
#pragma once

#include "sqlite.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace za::device {

// $ZONARIA_DEVICE, else $XDG_DATA_HOME/zonaria/device (~/.local/share/zonaria/device).
QString ProfilePath();

// What the profile is, as far as this process knows.
enum class ProfileState {
    Ready,     // open for reading and writing
    ReadOnly,  // open for reading; the folder or device.db cannot be written, so writes fail
    Damaged,   // device.db fails SQLite's check, lacks part of its schema, or a read met a
               // damaged page
    Foreign,   // device.db is another program's file
    Newer,     // made by a later version of Zonaria, with a schema this one does not know
    Unusable,  // cannot be opened or made: missing permissions, not a file, a folder in use...
};

struct ProfileStatus {
    ProfileState state = ProfileState::Unusable;
    QString folder;   // the profile folder
    QString file;     // device.db in it
    // What is wrong and where, for the user, starting in lower case so that a program's name
    // can stand before it ("the device profile is damaged: ..."); empty when Ready.
    QString message;
    // Something found and dealt with when the profile opened that the user should hear of
    // (a log beside device.db that was not its own and was set aside, changes lost with a log
    // that was removed); in the same form as message, empty when there is nothing to tell.
    QString notice;
};

// The one way to ask about the profile: opens it when it is not open yet. A Damaged state can
// also appear later, when a read meets a damaged page that the check at opening missed; the
// call that met it has already failed with its own failure result.
ProfileStatus Status();

// The open connection to device.db, opening the profile on first use. Returns null when the
// profile cannot be used (Damaged at opening, Foreign, Newer, Unusable); LastError() then says
// why in words fit for the user. A ReadOnly profile gives a connection that refuses writes.
// A missing device.db is only made in a new, empty folder; an existing file is never replaced,
// and is not changed at all until it has been recognised as a Zonaria profile.
sql::Database* Db();
QString LastError();

// Why the last write to the profile was refused, as far as the user can do something about it:
// the profile is read-only (opened for reading, or SQLite found the file read-only), or the
// disk is full; Other for the rest (damage, a lock held too long...).
enum class Refusal { Other, ReadOnly, DiskFull };
Refusal WhyRefused();

// Changes each time a connection is opened; services that cache prepared statements compare it
// to know when their statements belong to a closed connection.
unsigned Generation();

// Closes the connection; the next Db() opens the profile named by the environment again
// (tests point ZONARIA_DEVICE at a fresh folder and call this). SQLite's quick check runs at
// the first opening of each profile in a process, not again after a Reset.
void Reset();

// Gives back the memory that the connection's page cache and the process's freed heap hold, for
// a process about to idle (the alarm agent after its start): pages are read again, from the
// system's file cache, when next needed.
void ReleaseMemory();

// How a write transaction's commit reaches the disk. Synced: on the disk when Transaction
// returns, like everything the user keeps. Unsynced: for rows that mean nothing once the computer
// has gone down (the live windows), whose commit then waits for no disk; a crash of the program
// keeps it, the profile stays whole either way, and the next synced commit takes it to the disk.
enum class Commit { Synced, Unsynced };

// Runs fn inside one write transaction (BEGIN IMMEDIATE ... COMMIT); rolls back when fn returns
// false. Nested calls join the outer transaction and its commit.
bool Transaction(const std::function<bool(sql::Database&)>& fn, Commit commit = Commit::Synced);

// The full check behind `zonaria-cli check`: SQLite's integrity check (with the collation the
// indexes need, which the sqlite3 tool lacks), the schema and its version. Reads device.db on
// a connection of its own and changes nothing, whatever state the profile is in.
struct CheckReport {
    QString file;
    int schemaVersion = -1;  // -1 when it could not be read
    QStringList problems;    // empty when all is well
};
CheckReport CheckProfile();

// The schema version this program writes into new profiles and upgrades older ones to.
int SchemaVersion();

// The schema is the services' statements of schema.h (CREATE ... IF NOT EXISTS, each with the
// version that introduced it). A profile must hold every table and index of its own version or
// older, else it is damaged; a healthy profile of an older version gets the statements of later
// versions as an upgrade step when it opens (in one transaction with the new version number).
// Profiles made before versions were counted hold 0 and count as version 1. AddSchema adds a
// statement to those, as a feature of a later version would (the tests' way to make one).
void AddSchema(const char* sql, int version);

// One step of the installation package: its name, for the message when it fails, and what it
// does inside the transaction that creates the profile.
struct InstallStep {
    const char* name;
    std::function<bool(sql::Database&, QString* error)> run;
};

// The installation package: the steps that fill a new profile, in the order they run; one that
// fails aborts the installation. The core library hands over its package (za::InstallPackage)
// as it loads; a program of the platform alone gets the platform's own steps, the settings key,
// the time-zone display names and the device zone.
void SetInstallPackage(std::vector<InstallStep> steps);

// The platform's own steps of the package.
bool InstallSettingsKey(sql::Database& db, QString* error);
bool InstallZoneDisplayNames(sql::Database& db, QString* error);
bool InstallDeviceZone(sql::Database& db, QString* error);

}  // namespace za::device
