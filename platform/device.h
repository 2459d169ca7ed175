// The device profile: one folder per user that holds device.db, the state of every platform
// service (registry, record databases, clock offset, device zone). Opened on first use; a new
// profile runs the installation package once.
#pragma once

#include "sqlite.h"

#include <QString>

#include <functional>

namespace za::device {

// $ZONARIA_DEVICE, else $XDG_DATA_HOME/zonaria/device (~/.local/share/zonaria/device).
QString ProfilePath();

// The open connection to device.db, opening the profile on first use. Returns null when the
// profile cannot be used (unreadable, corrupted, not a Zonaria profile); LastError() then says
// why in words fit for the user. A missing device.db is only recreated for a new, empty folder.
sql::Database* Db();
QString LastError();

// Changes each time a connection is opened; services that cache prepared statements compare it
// to know when their statements belong to a closed connection.
unsigned Generation();

// Closes the connection; the next Db() opens the profile named by the environment again
// (tests point ZONARIA_DEVICE at a fresh folder and call this).
void Reset();

// Runs fn inside one write transaction (BEGIN IMMEDIATE ... COMMIT); rolls back when fn returns
// false. Nested calls join the outer transaction.
bool Transaction(const std::function<bool(sql::Database&)>& fn);

// Schema statements of a service, run with every open (they must be CREATE ... IF NOT EXISTS).
void RegisterSchema(const char* sql);

// A step of the installation package, run once when a profile is new, in ascending order,
// inside the transaction that creates the profile. A step that fails aborts the installation.
using InstallStep = std::function<bool(sql::Database&, QString* error)>;
void RegisterInstallStep(int order, const char* name, InstallStep step);

// Registers at library load: static DeviceModule registrar{...};
struct SchemaRegistrar {
    explicit SchemaRegistrar(const char* sql) { RegisterSchema(sql); }
};
struct InstallRegistrar {
    InstallRegistrar(int order, const char* name, InstallStep step) {
        RegisterInstallStep(order, name, std::move(step));
    }
};

}  // namespace za::device
