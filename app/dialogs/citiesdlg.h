// The Cities dialog: every city of the database in a list, with Copy, Edit and Delete on the
// selected one (command bar, and the list's tap-and-hold menu).
#pragma once

#include "citylistdlg.h"
#include "host.h"

class CCity;

namespace za::app {

class CCitiesDlg : public CCityListDlg {
    Q_OBJECT

public:
    explicit CCitiesDlg(QWidget* parent, std::unique_ptr<CCityRowSource> source = nullptr, CHost& host = NoHost());

    BOOL OnCommand(UINT id) override;

    // The name a copy of the city `name` gets: "Copy of name", else the first free one of
    // "Copy 2 of name" to "Copy 10 of name" cut to 31 characters; empty when all are taken.
    static QString CopyName(const QString& name);

    void OnCopy();
    void OnEdit();
    void OnDelete();

private:
    // The city editor, through the host's dialogs when there are any.
    int EditCity(CCity& city, bool isNew);

    CHost& m_host;
};

}  // namespace za::app
