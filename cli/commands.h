// The zonaria-cli commands, one function each; see Usage() for what they take.
#pragma once

#include "cliutil.h"

namespace cli {

void ClockCommand(const QStringList& words, Output& out);
void SetCityCommand(const QStringList& words, Output& out);
void SelectCommand(const QStringList& words, Output& out);
void CityCommand(const QStringList& words, Output& out);
void FindCommand(const QStringList& words, Output& out);
void CodesCommand(const QStringList& words, Output& out);
void TimeCommand(const QStringList& words, Output& out);
void ConvertCommand(const QStringList& words, Output& out);
void DistanceCommand(const QStringList& words, Output& out);
void SunCommand(const QStringList& words, Output& out);
void MoonCommand(const QStringList& words, Output& out);
void CheckCommand(const QStringList& words, Output& out);
void DeviceCommand(const QStringList& words, Output& out);
void SyncCommand(const QStringList& words, Output& out);
void AlarmCommand(const QStringList& words, Output& out);
void MeetCommand(const QStringList& words, Output& out);

// The help text of a command, or of the program for an empty or unknown name.
QString Usage(const QString& command);

}  // namespace cli
