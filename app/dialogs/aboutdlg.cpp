#include "aboutdlg.h"

#include "appstrings.h"
#include "images.h"
#include "resource.h"
#include "stringtable.h"
#include "timeservice.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace za::app {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const QString name = AppString(IDR_MAINFRAME);
    setWindowTitle(tr("About %1").arg(name));
    setObjectName(QStringLiteral("dialog%1").arg(IDD_ABOUTBOX));

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(QSize(64, 64)));
    icon->setAccessibleName(tr("Program icon"));
    auto* title = new QLabel(name, this);
    QFont bold = title->font();
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    bold.setWeight(QFont::Bold);
    title->setFont(bold);
    auto* version = new QLabel(tr("Version %1").arg(QStringLiteral(ZONARIA_VERSION)), this);
    // Which device's clock and zone Zonaria shows and sets.
    const bool computer = za::device::Kind() == za::device::DeviceKind::Computer;
    auto* device = new QLabel(computer ? za::FormatString(AppString(IDS_DEVICE_COMPUTER), {QString::fromUtf8(za::device::ComputerZoneId())})
                                       : AppString(IDS_DEVICE_PRIVATE),
                              this);
    device->setObjectName(QStringLiteral("deviceKind"));
    device->setWordWrap(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addWidget(device);
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
