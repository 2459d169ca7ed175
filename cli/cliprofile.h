// The device profile as zonaria-cli opens, writes and checks it.
#pragma once

#include <QString>

namespace cli {

// Opens the device profile (installing a new one); fails with the profile's own reason. A
// profile that cannot be written is opened for reading.
void OpenProfile();
// Why the profile refused the last change, in the user's words: "The profile is read-only",
// "The disk is full", or where it could not be written.
QString RefusedWrite();
// Fails, saying why, when the profile cannot be written: for commands that change settings.
void RequireWritableProfile();
// Fails when a read met a damaged page of the profile during the command: its output would be
// incomplete.
void CheckProfileAfterReading();

}  // namespace cli
