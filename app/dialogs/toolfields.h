// What the tool dialogs share: date and time pickers that hold a city's local time (never the
// desktop's), their display formats from the user's locale, and result labels that a screen
// reader reads with their captions.
#pragma once

#include "wintypes.h"

#include <QDateTimeEdit>
#include <QString>

class QLabel;
class QLocale;

namespace za::app {

// A picker of a wall-clock date and time. It keeps its value as given, without the desktop's
// zone: a local time of another city may not exist in the desktop's zone.
class CWallClockEdit : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit CWallClockEdit(QWidget* parent);

    SYSTEMTIME Value() const;
    void SetValue(const SYSTEMTIME& st);
};

// The date pickers' formats: the locale's short or long date.
QString PickerDateFormat(const QLocale& locale, bool longDate);
// The time picker's format: the locale's time format without its seconds (every ":ss") and
// without a zone name.
QString PickerTimeFormat(const QLocale& locale);

// Shows a result and gives it to a screen reader with its caption: "Distance: 62 miles". For
// columns (labels and values on lines of their own) the lines are paired up.
void ShowResult(QLabel* value, const QString& captions, const QString& text);

}  // namespace za::app
