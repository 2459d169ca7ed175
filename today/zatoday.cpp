// The plug-in's entry points, under the plain C names the Today host looks up.
#include "shell.h"
#include "todayitem.h"

#include <QtGlobal>

using za::today::CTodayItem;
using za::today::CTodayOptionsDlg;

extern "C" {

Q_DECL_EXPORT int TodayInterfaceVersion() { return kTodayInterfaceVersion; }

Q_DECL_EXPORT QWidget* InitializeCustomItem(TODAYLISTITEM* item, QWidget* parent) {
    if (!item || !item->fEnabled) return nullptr;
    auto* window = new CTodayItem(parent, 240);
    if (!window->Started()) {
        // The cities could not be loaded: no item rather than an empty one.
        delete window;
        return nullptr;
    }
    window->show();
    item->hwndCustom = window;
    return window;
}

Q_DECL_EXPORT int CustomItemOptionsDlgProc(QWidget* parent, TODAYLISTITEM*) {
    CTodayOptionsDlg dlg(parent);
    return dlg.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

}
