// The user's own XDG autostart entries (in $XDG_CONFIG_HOME/autostart): the Today panel is
// started with the session only for a user who turned it on in the Preferences, the alarm agent
// only for one who set an alarm. Nothing is installed for every account.
#pragma once

#include <QString>

#include <vector>

namespace za::autostart {

// What an entry starts: a program beside the running one, with its name and comment as the
// desktop's session settings show them.
struct Entry {
    // The name and comment in one of the languages Zonaria is translated into, for the
    // session settings of a user in that language (Name[de]=...).
    struct Localized {
        QString language;  // "de", "fr", ...
        QString name;
        QString comment;
    };
    QString file;     // the entry's file name without ".desktop", e.g. "zonaria-today"
    QString program;  // the program's file name, looked for beside the running program
    QString name;
    QString comment;
    std::vector<Localized> translations;
};

// The Today panel's and the alarm agent's entries.
const Entry& TodayPanel();
const Entry& AlarmAgent();

// The entry's path: $XDG_CONFIG_HOME/autostart/FILE.desktop (~/.config/autostart by default).
QString EntryPath(const Entry& entry);
// The entry's text. Exec names the program by its full path, and carries ZONARIA_DEVICE when the
// running program uses a profile of its own, so that the session starts it on the same profile.
QString EntryText(const Entry& entry);

bool IsEnabled(const Entry& entry);
// Writes the entry (creating the folder); false when it could not be written.
bool Enable(const Entry& entry);
// Removes the entry; true when none is left.
bool Disable(const Entry& entry);

}  // namespace za::autostart
