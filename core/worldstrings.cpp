// The core library's texts of the world-clock additions: clock changes, offsets, the meeting
// planner and the points overhead (ids 600 to 629), in the core library's table.
#include "worldstrings.h"

#include "stringtable.h"
#include "zastrings.h"

namespace za {
namespace {

const StringTableRegistrar g_table(kCoreModule, {
    {IDS_CLOCKS_FORWARD, u"Clocks go forward %s on %s at %s"},
    {IDS_CLOCKS_BACK, u"Clocks go back %s on %s at %s"},
    {IDS_ONE_HOUR, u"1 hour"},
    {IDS_N_HOURS, u"%d hours"},
    {IDS_N_MIN, u"%d min"},
    {IDS_HOURS_AND_MIN, u"%s %d min"},
    {IDS_OFFSET_HOURS, u"%s%d h"},
    {IDS_OFFSET_HOURS_MIN, u"%s%d h %d min"},
    {IDS_YESTERDAY, u"yesterday"},
    {IDS_TOMORROW, u"tomorrow"},
    {IDS_SUN_OVERHEAD, u"Sun overhead: %s"},
    {IDS_MOON_OVERHEAD, u"Moon overhead: %s"},
    {IDS_DEGREES_N, u"%d\u00b0 N"},
    {IDS_DEGREES_S, u"%d\u00b0 S"},
    {IDS_DEGREES_E, u"%d\u00b0 E"},
    {IDS_DEGREES_W, u"%d\u00b0 W"},
    {IDS_NO_COMMON_HOURS, u"No common working hours"},
    {IDS_COMMON_HOURS, u"Common working hours: %s"},
    {IDS_HOUR_IN_CITY, u"%s in %s"},
    {IDS_IS_TIME_IN_CITY, u"%s in %s is %s"},
    {IDS_INSIDE_WORKING_HOURS, u"within working hours"},
    {IDS_OUTSIDE_WORKING_HOURS, u"outside working hours"},
    {IDS_MOON_LIT, u"%d%% lit"},
    {IDS_OFFSET_MIN, u"%s%d min"},
});

}  // namespace

QString WorldString(UINT id) { return CoreString(id); }

}  // namespace za
