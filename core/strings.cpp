#include "zastrings.h"

#include "stringtable.h"

namespace za {
namespace {

const StringTableRegistrar g_table(kCoreModule, {
    {500, u"Never rises"},
    {501, u"Never sets"},
    {502, u"Always light"},
    {503, u"Always dark"},
    {504, u"Does not observe daylight savings time"},
    {505, u"First"},
    {506, u"Second"},
    {507, u"Third"},
    {508, u"Fourth"},
    {509, u"Last"},
    {510, u"%s %s in %s to %s %s in %s"},
    {511, u"%.0f miles"},
    {512, u"%.0f nautical miles"},
    {513, u"%.0f km"},
    {514, u"%.0f km/hour"},
    {515, u"%.0f miles/hour"},
    {516, u"%.0f knots"},
    {517, u"%d days %d hours %d min"},
    {518, u"%d hours %d min"},
    {519, u"%d min %d sec"},
    {520, u"%d hr %d min"},
    {521, u"%d\u00b0 %d\u00b4 E"},
    {522, u"%d\u00b0 %d\u00b4 W"},
    {523, u"%d\u00b0 %d\u00b4 N"},
    {524, u"%d\u00b0 %d\u00b4 S"},
    {540, u"%s does not exist in %s that day (the clocks go forward): %s is taken."},
    {541, u"%s occurs twice in %s that day (the clocks go back): the first, %s, is taken."},
});

}  // namespace

QString CoreString(UINT id) { return LoadModuleString(kCoreModule, id); }

QString CoreString(UINT id, int n) { return LoadModuleString(kCoreModule, id, n); }

}  // namespace za
