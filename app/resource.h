// The application's resource numbers: commands, strings, menus, bitmaps, timers and private
// messages, with the values every other module and the tests know them by.
#pragma once

#include "wintypes.h"
#include "window.h"

namespace za::app {

// Resource set of the main frame: menu, accelerators, title string, tool bar.
constexpr UINT IDR_MAINFRAME = 128;

// Commands (menu items, tool buttons, pop-up menus, accelerators).
constexpr UINT ID_OK = 1;
constexpr UINT ID_CANCEL = 2;
constexpr UINT ID_ALARMS = 32790;
constexpr UINT ID_AIRPORT_CODES = 32827;
constexpr UINT ID_PHONE_CODES = 32826;
constexpr UINT ID_DISTANCE_CALC = 32798;
constexpr UINT ID_TIME_CALC = 32782;
constexpr UINT ID_SUNRISE = 32797;
constexpr UINT ID_MOONRISE = 32829;
// Not the handheld's: the Meeting Planner of the Tools menu.
constexpr UINT ID_MEETING_PLANNER = 32840;
constexpr UINT ID_SET_TIME = 32796;
constexpr UINT ID_EDIT_CITIES = 32794;
constexpr UINT ID_PREFERENCES = 32771;
constexpr UINT ID_APP_ABOUT = 57664;
constexpr UINT ID_HELP = 57670;
constexpr UINT ID_SELECT_CITY = 32779;
constexpr UINT ID_SET_CURRENT = 32775;
constexpr UINT ID_VIEW_DETAILS = 32822;
constexpr UINT ID_EDIT_CLEAR = 57632;
constexpr UINT ID_EDIT_COPY = 57634;
constexpr UINT ID_EDIT_CUT = 57635;
constexpr UINT ID_EDIT_PASTE = 57637;
constexpr UINT ID_EDIT_SELECT_ALL = 57642;
constexpr UINT ID_EDIT_UNDO = 57643;
// The Alarms dialog's bar and the pop-up menu of its rows (155).
constexpr UINT ID_NEW_ALARM = 32807;
constexpr UINT ID_ALARM_PROPERTIES = 32810;
constexpr UINT ID_DELETE_ALARM = 32800;

// Strings of the application's table.
constexpr UINT IDS_INFO_TEXT = 108;
constexpr UINT IDS_SAME_ZONE_CITY = 109;
constexpr UINT IDS_ALARM_IN_PAST = 115;
constexpr UINT IDS_ALARM_NOT_CREATED = 117;
constexpr UINT IDS_CANNOT_OPEN_DB = 120;
constexpr UINT IDS_DELETE_ALARM = 121;
constexpr UINT IDS_TIP_NEW_ALARM = 124;
constexpr UINT IDS_TIP_ALARM_PROPERTIES = 125;
constexpr UINT IDS_TIP_DELETE_ALARM = 126;
constexpr UINT IDS_CHANGE_CURRENT_CITY = 122;
constexpr UINT IDS_SYNC_DONE = 133;
constexpr UINT IDS_SYNC_FAILED = 134;
// Ours, beyond the handheld's table: a server name that does not exist, a clock far off, and
// the causes of a refused write.
constexpr UINT IDS_SYNC_NO_SUCH_SERVER = 40321;
constexpr UINT IDS_SYNC_FAR_OFFSET = 40322;
constexpr UINT IDS_PROFILE_READ_ONLY = 40323;
constexpr UINT IDS_DISK_FULL = 40324;
constexpr UINT IDS_NOT_SAVED = 40325;
constexpr UINT IDS_LIST_UNREADABLE = 40326;
constexpr UINT IDS_CITY_IN = 168;
constexpr UINT IDS_SAVE_TIME = 171;
constexpr UINT IDS_ZOOM = 182;
// The city editor and the city lists.
constexpr UINT IDS_SAVE_CHANGES = 102;
constexpr UINT IDS_DELETE_CITY = 149;
constexpr UINT IDS_LAST_CITY = 150;
constexpr UINT IDS_COPY = 159;
constexpr UINT IDS_COPY_OF = 160;
constexpr UINT IDS_COPY_N_OF = 161;
constexpr UINT IDS_TOO_MANY_COPIES = 162;
constexpr UINT IDS_BAD_CITY_NAME = 163;
constexpr UINT IDS_CREATE_CITY = 164;
constexpr UINT IDS_CITY_DISPLAYED = 165;
constexpr UINT IDS_COLUMN_CITY = 2000;
constexpr UINT IDS_COLUMN_PHONE = 2001;
constexpr UINT IDS_COLUMN_COUNTRY = 2002;
constexpr UINT IDS_COLUMN_AIRPORT = 2003;
constexpr UINT IDS_TIP_SETTINGS = 32784;
constexpr UINT IDS_TIP_TOOLS = 32799;
constexpr UINT IDS_TIP_ALARM = 32790;
constexpr UINT IDS_TIP_TIME_CALC = 32801;
constexpr UINT IDS_TIP_DISTANCE_CALC = 32800;
constexpr UINT IDS_TIP_SUNRISE = 32791;
constexpr UINT IDS_TIP_MOONRISE = 32792;
// The tool dialogs: sun labels by twilight (172 to 174, else 175), moon phases (177 + phase)
// and the travel modes, "<knots>~<name>" (5000 + slider position).
constexpr UINT IDS_SUN_LABELS_CIVIL = 172;
constexpr UINT IDS_SUN_LABELS = 175;
constexpr UINT IDS_PHASE_NEW_MOON = 177;
constexpr UINT IDS_TRAVEL_MODE0 = 5000;
// Not the handheld's: texts for what only a desktop has.
constexpr UINT IDS_HELP_MENU = 40001;
constexpr UINT IDS_HELP_ITEM = 40002;
constexpr UINT IDS_HELP_MISSING = 40003;
constexpr UINT IDS_NO_BROWSER = 40004;
constexpr UINT IDS_PROFILE_DAMAGED = 40005;
constexpr UINT IDS_SPEED_RANGE = 40101;
constexpr UINT IDS_ARRIVES = 40102;
// The framework's range message of a number field, and the city editor's failures.
constexpr UINT IDS_INTEGER_RANGE = 40201;
constexpr UINT IDS_SAVE_CITY_FAILED = 40202;
constexpr UINT IDS_DELETE_CITY_FAILED = 40203;
// The computer as the device.
constexpr UINT IDS_ZONE_REFUSED = 40301;
constexpr UINT IDS_NTP_ON_SET_BY_HAND = 40302;
constexpr UINT IDS_CLOCK_REFUSED = 40303;
constexpr UINT IDS_NTP_STATE_SYNCHRONIZED = 40304;
constexpr UINT IDS_NTP_STATE_UNSYNCHRONIZED = 40305;
constexpr UINT IDS_NTP_STATE_OFF = 40306;
constexpr UINT IDS_NTP_CHECKBOX = 40307;
constexpr UINT IDS_NTP_REFUSED = 40308;
constexpr UINT IDS_DEVICE_COMPUTER = 40309;
constexpr UINT IDS_DEVICE_PRIVATE = 40310;

// Dialog templates.
constexpr UINT IDD_ABOUTBOX = 100;
constexpr UINT IDD_PREFERENCES = 134;
constexpr UINT IDD_TIMECALC = 142;
constexpr UINT IDD_SUNRISE = 143;
constexpr UINT IDD_DISTANCECALC = 159;
constexpr UINT IDD_MOONRISE = 166;
constexpr UINT IDD_SET_TIME = 157;
constexpr UINT IDD_SETALARM = 144;
constexpr UINT IDD_ALARMS = 150;

// Controls of the alarm dialogs.
constexpr int IDC_ALARM_LIST = 100;
constexpr int IDC_CITY_CHOOSER = 100;
constexpr int IDC_ALARM_DATE = 1014;
constexpr int IDC_ALARM_TIME = 1015;
constexpr int IDC_ALARM_CITY = 1027;
constexpr int IDC_ALARM_MESSAGE = 1032;
constexpr int IDC_DEFAULT_MESSAGE = 1035;

// Timers of the frame.
constexpr int IDT_STARTUP = 100;
constexpr int kStartupDelayMs = 3000;

// Private messages to the main view, and to the frame.
constexpr UINT WM_CHECKCITY = WM_USER + 1;
constexpr UINT WM_ZOOMMAP = WM_USER + 2;
// Another start of the program asks the running one to come to the front.
constexpr UINT WM_BRINGTOFRONT = WM_USER + 3;
constexpr UINT WM_CANCELMODE = 0x001F;

// The main frame's platform window, which a second start finds.
inline constexpr const char* kFrameWindowClass = "Zonaria";

// Help topics.
inline constexpr const char* kHelpPrefix = "file:Zonaria.htm#";

}  // namespace za::app
