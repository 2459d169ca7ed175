// The application's string table.
#include "appstrings.h"

#include "stringtable.h"

namespace za::app {
namespace {

const StringTableRegistrar g_table(kAppModule, {
    {108, u"%s (%s)\n%s\n%s %s\nSunrise: %s\nSunset: %s\nAirport: %s\nPhone Code: %s - %s"},
    {109, u"Change the current city to\n\"%s\"?\n\n(Time Zone will not change)"},
    // 110 and 114, the alarm's title and default message, are registered with the alarm record
    // in the core library, which zonaria-cli shares.
    {115, u"You selected a date and time that are in the past."},
    {117, u"Unable to create alarm.  Alarm may have expired."},
    {120, u"Cannot open city database.  If this problem persists, please re-install Zonaria.  Zonaria will now exit."},
    {121, u"Delete selected alarm?"},
    {122, u"Change the current city to\n\"%s\"?\n\nThis will change the time zone for this device to\n\"%s\""},
    {124, u"Create new alarm"},
    {125, u"View or edit alarm properties"},
    {126, u"Delete the selected alarm"},
    {128, u"Zonaria"},
    {168, u"City in %s"},
    {182, u"Zoom"},
    {32784, u"Settings"},
    {32799, u"Tools"},
    {32790, u"Alarm"},
    {32801, u"Time Calculator"},
    {32800, u"Distance Calculator"},
    {32791, u"Sunrise"},
    {32792, u"Moonrise"},
    {40001, u"Help"},
    {40002, u"Zonaria Help"},
    {40003, u"The help file Zonaria.htm was not found beside the program.  Reinstalling Zonaria restores it."},
    {40004, u"No web browser could be started to show the help.  Install xdg-utils and a web browser to read it."},
    {40005, u"The device profile at %s cannot be used: %s"},
});

}  // namespace

QString AppString(UINT id) { return LoadModuleString(kAppModule, id); }

}  // namespace za::app
