// The About box: the program icon, its name and its version.
#pragma once

#include <QDialog>

namespace za::app {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);
};

}  // namespace za::app
