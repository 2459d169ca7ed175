#include "citiesdlg.h"

#include "appstrings.h"
#include "cityeditor.h"
#include "citylist.h"
#include "errorbox.h"
#include "resource.h"
#include "shell.h"
#include "stringtable.h"

namespace za::app {
namespace {

constexpr int kLastCopyNumber = 10;

int Ask(const QString& text) {
    return za::shell::Current().MessageBox(text, za::ResourceCaption(), MB_YESNO | MB_ICONQUESTION);
}

}  // namespace

CCitiesDlg::CCitiesDlg(QWidget* parent, std::unique_ptr<CCityRowSource> source, CHost& host)
    : CCityListDlg(IDD_CITIES, tr("Cities"), "citylist_edit", IDR_CITIES_BAR, CLMODE_COUNTRY, parent,
                   std::move(source)),
      m_host(host) {
    connect(&List(), &CCityListCtrl::command, this, [this](UINT id) { OnCommand(id); });
}

BOOL CCitiesDlg::OnCommand(UINT id) {
    switch (id) {
    case ID_COPY_CITY:
        OnCopy();
        return TRUE;
    case ID_EDIT_CITY:
        OnEdit();
        return TRUE;
    case ID_DELETE_CITY:
        OnDelete();
        return TRUE;
    default:
        return CCityListDlg::OnCommand(id);
    }
}

QString CCitiesDlg::CopyName(const QString& name) {
    CCityList& cities = GetCityList();
    const QString first = FormatString(AppString(IDS_COPY_OF), {name});
    if (cities.IsCityNameValid(first)) return first;
    for (int n = 2; n <= kLastCopyNumber; ++n) {
        const QString candidate = FormatString(AppString(IDS_COPY_N_OF), {n, name}).left(za::kMaxCityName);
        if (cities.IsCityNameValid(candidate)) return candidate;
    }
    return QString();
}

int CCitiesDlg::EditCity(CCity& city, bool isNew) {
    CHostDialogs* dialogs = m_host.Dialogs();
    return dialogs ? dialogs->EditCity(this, city, isNew) : EditCityProperties(this, city, isNew, m_host);
}

void CCitiesDlg::OnCopy() {
    const int row = List().GetSelectedRow();
    if (row < 0) return;
    CCity city;
    if (!GetCityList().LoadCity(List().GetCityName(row), city)) return;
    const QString name = CopyName(city.Name());
    if (name.isEmpty()) {
        EZError(FormatString(AppString(IDS_TOO_MANY_COPIES), {city.Name()}), 0, MB_OK | MB_ICONSTOP);
        return;
    }
    CCity copy(city);
    copy.SetName(name);
    // A cancelled copy added nothing, and the list stays as it was; a saved one is shown under
    // the name it was saved with, which the editor may have changed.
    if (EditCity(copy, true) != IDOK) return;
    za::shell::WaitCursor wait;
    List().OnCityAdded(copy.Name());
}

void CCitiesDlg::OnEdit() {
    const int row = List().GetSelectedRow();
    if (row < 0) return;
    CCity city;
    if (!GetCityList().LoadCity(List().GetCityName(row), city)) return;
    EditCity(city, false);
    List().OnCityEdited(row);
}

void CCitiesDlg::OnDelete() {
    const int row = List().GetSelectedRow();
    if (row < 0) return;
    const QString name = List().GetCityName(row);
    if (Ask(FormatString(AppString(IDS_DELETE_CITY), {name})) != IDYES) return;
    if (List().GetRowCount() <= 1) {
        EZError(AppString(IDS_LAST_CITY), 0, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const za::DisplayedCities* displayed = m_host.Displayed();
    if (displayed && displayed->Contains(name)) {
        EZError(AppString(IDS_CITY_DISPLAYED), 0, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    BOOL deleted = FALSE;
    {
        za::shell::WaitCursor wait;
        deleted = GetCityList().DeleteCity(name);
        if (deleted) List().OnCityDeleted(row);
    }
    if (!deleted) EZError(FormatString(AppString(IDS_DELETE_CITY_FAILED), {name}), 0, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace za::app
