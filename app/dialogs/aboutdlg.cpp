#include "aboutdlg.h"

#include "appstrings.h"
#include "images.h"
#include "resource.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace za::app {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const QString name = AppString(IDR_MAINFRAME);
    setWindowTitle(QStringLiteral("About ") + name);
    setObjectName(QStringLiteral("dialog%1").arg(IDD_ABOUTBOX));

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(QSize(64, 64)));
    icon->setAccessibleName(QStringLiteral("Program icon"));
    auto* title = new QLabel(name, this);
    QFont bold = title->font();
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    bold.setWeight(QFont::Bold);
    title->setFont(bold);
    auto* version = new QLabel(QStringLiteral("Version " ZONARIA_VERSION), this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 12);
    layout->addLayout(row);
    layout->addSpacing(12);
    layout->addWidget(buttons);
}

}  // namespace za::app
