#include "errorbox.h"

#include "stringtable.h"
#include "zastrings.h"

#include <QCoreApplication>

void EZError(UINT id, HRESULT hr, UINT type) {
    QString text = QCoreApplication::translate("EZError", "Unexpected Error");
    if (id != 0) text = za::LoadResourceString(id);
    EZError(text, hr, type);
}

void EZError(const QString& text, HRESULT hr, UINT type) {
    QString message = text;
    if (hr < 0) message += za::FormatString(QStringLiteral("\ncode: %lx"), {static_cast<long>(hr)});
    za::shell::Current().MessageBox(message, za::ResourceCaption(), type);
}
