// The application's string table.
#include "appstrings.h"

#include "device.h"
#include "resource.h"
#include "stringtable.h"

namespace za::app {
namespace {

const StringTableRegistrar g_table(kAppModule, {
    {102, u"Save changes to %s?"},
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
    {133, u"Time settings were synchronized to server successfully."},
    {134, u"Unable to synchronize time to server.  Make sure this device is connected to the internet, or try another SNTP server."},
    {149, u"Delete city \"%s\"?"},
    {150, u"You cannot delete the last city.  You must have at least one city defined in the list."},
    {159, u"Copy"},
    {160, u"Copy of %s"},
    {161, u"Copy %d of %s"},
    {162, u"Cannot copy city \"%s\".  Too many copies."},
    {163, u"City name must be unique, and connot use the characters \"()%#*\"."},
    {164, u"Create new city \"%s\"?"},
    {165, u"Cannot delete a city that is currently displayed on the main screen."},
    {168, u"City in %s"},
    {171, u"Save changes to the time and date settings?"},
    {172, u"Begin Civil Twilight:\nSunrise:\nSunset:\nEnd Civil Twilight:\n\nDaylight Hours:"},
    {173, u"Begin Nautical Twilight:\nSunrise:\nSunset:\nEnd Nautical Twilight:\n\nDaylight Hours:"},
    {174, u"Begin Astronomical Twilight:\nSunrise:\nSunset:\nEnd Astronomical Twilight:\n\nDaylight Hours:"},
    {175, u"Sunrise:\nSunset:\n\nDaylight Hours:"},
    {177, u"New Moon %s"},
    {178, u"First Quarter %s"},
    {179, u"Full Moon on %s"},
    {180, u"Last Quarter %s"},
    {182, u"Zoom"},
    {2000, u"City"},
    {2001, u"Phone Code"},
    {2002, u"Country"},
    {2003, u"Airport Code"},
    {5000, u"2~Walk"},
    {5001, u"8~Sailboat"},
    {5002, u"10~Bicycle"},
    {5003, u"22~Cruise Ship"},
    {5004, u"48~Automobile"},
    {5005, u"60~Train"},
    {5006, u"136~High Speed Train"},
    {5007, u"125~Private Plane"},
    {5008, u"200~Commuter Turbo-Prop"},
    {5009, u"450~Commercial Jet"},
    {5010, u"520~Commercial Jet (fastest)"},
    {5011, u"1160~Concorde Supersonic"},
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
    {40101, u"Please enter a speed between 0 and 1,000,000."},
    {40102, u"Arrives %s local time"},
    {40201, u"Please enter an integer between %d and %d."},
    {40202, u"The city \"%s\" could not be saved: the city database refused the change.  Nothing was changed; check the free space of the device and try again."},
    {40203, u"The city \"%s\" could not be deleted: the city database refused the change."},
    {40301, u"The time zone could not be changed to \"%s\": %s.\n\nNothing was changed; the current city stays \"%s\"."},
    {40302, u"This computer sets its clock automatically.  Turn automatic time off and set the clock by hand?"},
    {40303, u"The clock of this computer could not be set: %s."},
    {40304, u"This computer sets its clock automatically; it is synchronized."},
    {40305, u"This computer sets its clock automatically; it is not synchronized yet."},
    {40306, u"This computer's clock is set by hand."},
    {40307, u"Set the time automatically"},
    {40308, u"Automatic time could not be changed: %s."},
    {40309, u"Clock and time zone: this computer's own (%s)"},
    {40310, u"Clock and time zone: Zonaria's own, kept in its profile"},
    {40321, u"The SNTP server \"%s\" was not found.  Check its name, or choose another SNTP server."},
    {40322, u"The time server's clock is %s away from this device's clock.  Set this device's clock to it anyway?"},
    {40323, u"The profile is read-only"},
    {40324, u"The disk is full"},
    {40325, u"The change could not be saved: %s."},
    {40326, u"The city list could not be read completely, so cities are missing from it: %s"},
});

}  // namespace

QString AppString(UINT id) { return LoadModuleString(kAppModule, id); }

QString RefusedWriteText() {
    QString why;
    switch (za::device::WhyRefused()) {
    case za::device::Refusal::ReadOnly: why = AppString(IDS_PROFILE_READ_ONLY); break;
    case za::device::Refusal::DiskFull: why = AppString(IDS_DISK_FULL); break;
    case za::device::Refusal::Other: {
        const za::device::ProfileStatus status = za::device::Status();
        why = status.message.isEmpty() ? za::device::LastError() : status.message;
        break;
    }
    }
    return FormatString(AppString(IDS_NOT_SAVED), {why});
}

}  // namespace za::app
