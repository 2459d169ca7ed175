#include "alarmlistctrl.h"

#include "appstrings.h"
#include "dialogframe.h"
#include "fonts.h"
#include "resource.h"
#include "shell.h"
#include "stringtable.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>

namespace za::app {
namespace {

// The row's texts start 5 pixels in from the left.
constexpr int kTextIndent = 5;
// A press held this long is a tap-and-hold.
constexpr int kHoldMs = 500;
constexpr int kRowFontSize = 90;  // tenths of a point
constexpr int kAlarmRole = Qt::UserRole + 1;

CAlarm* AlarmOf(const QModelIndex& index) { return static_cast<CAlarm*>(index.data(kAlarmRole).value<void*>()); }

// Draws a row: the message in bold in the upper half, the alarm time below, each on one line
// and centred in its half, and a black line along the bottom.
class AlarmRowDelegate : public QStyledItemDelegate {
public:
    explicit AlarmRowDelegate(CAlarmListCtrl* list) : QStyledItemDelegate(list), m_list(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return QSize(option.rect.width(), m_list->RowHeight());
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const CAlarm* alarm = AlarmOf(index);
        if (!alarm) return;
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& pal = option.palette;
        p->save();
        p->fillRect(option.rect, pal.color(selected ? QPalette::Highlight : QPalette::Base));
        p->setPen(pal.color(selected ? QPalette::HighlightedText : QPalette::Text));
        QRect upper = option.rect.adjusted(kTextIndent, 0, -kTextIndent, 0);
        upper.setHeight(option.rect.height() / 2);
        QRect lower = upper;
        lower.moveTop(upper.bottom() + 1);
        lower.setBottom(option.rect.bottom() - 1);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        p->setFont(m_list->BoldFont());
        p->drawText(upper, flags, QFontMetrics(m_list->BoldFont()).elidedText(alarm->Message(), Qt::ElideRight, upper.width()));
        p->setFont(m_list->RowFont());
        p->drawText(lower, flags, alarm->DisplayTime());
        p->setPen(Qt::black);
        p->drawLine(option.rect.left(), option.rect.bottom(), option.rect.right(), option.rect.bottom());
        if (option.state & QStyle::State_HasFocus) {
            p->setPen(QPen(pal.color(selected ? QPalette::HighlightedText : QPalette::Highlight), 1, Qt::DotLine));
            p->drawRect(option.rect.adjusted(1, 1, -2, -2));
        }
        p->restore();
    }

private:
    CAlarmListCtrl* m_list;
};

}  // namespace

CAlarmListCtrl::CAlarmListCtrl(QWidget* parent) : QListWidget(parent) {
    SetControlId(this, IDC_ALARM_LIST);
    setAccessibleName(tr("Alarms"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setFrameShape(QFrame::NoFrame);
    CreatePointFont(m_font, kRowFontSize, QStringLiteral("Tahoma"));
    m_bold = m_font;
    m_bold.setWeight(QFont::Bold);
    m_rowHeight = (QFontMetrics(m_font).boundingRect(QStringLiteral("CALC")).height() + 3) * 2;
    setItemDelegate(new AlarmRowDelegate(this));
    m_holdTimer = new QTimer(this);
    m_holdTimer->setSingleShot(true);
    m_holdTimer->setInterval(kHoldMs);
    connect(m_holdTimer, &QTimer::timeout, this, [this] { PopupMenu(m_pressPoint); });
}

void CAlarmListCtrl::Fill(int selectIndex, bool reload) {
    clear();
    if (reload) m_list.LoadAll();
    for (int i = 0; i < m_list.GetCount(); ++i) {
        CAlarm* alarm = m_list.GetAt(i);
        auto* item = new QListWidgetItem(alarm->Message(), this);
        item->setData(kAlarmRole, QVariant::fromValue(static_cast<void*>(alarm)));
        // What a screen reader says of the row: both of its lines.
        item->setData(Qt::AccessibleTextRole, alarm->Message() + QStringLiteral(", ") + alarm->DisplayTime());
        item->setSizeHint(QSize(0, m_rowHeight));
    }
    const int row = std::max(0, std::min(selectIndex, count() - 1));
    if (count() > 0) setCurrentRow(row);
}

CAlarm* CAlarmListCtrl::SelectedAlarm() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : AlarmOf(indexFromItem(selected.first()));
}

void CAlarmListCtrl::DeleteSelected() {
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) return;
    QListWidgetItem* item = selected.first();
    if (za::shell::Current().MessageBox(AppString(IDS_DELETE_ALARM), za::ResourceCaption(), MB_YESNO | MB_ICONQUESTION) !=
        IDYES) {
        return;
    }
    const int index = row(item);
    if (!m_list.Remove(AlarmOf(indexFromItem(item)))) return;
    delete takeItem(index);
    if (count() > 0) setCurrentRow(std::min(index, count() - 1));
}

void CAlarmListCtrl::Refresh() {
    m_list.PurgeExpired();
    Fill(currentRow(), false);
}

void CAlarmListCtrl::PopupMenu(const QPoint& at) {
    QListWidgetItem* item = itemAt(at);
    QMenu menu(this);
    if (item) {
        setCurrentItem(item);
        // Menu 155.
        menu.addAction(tr("Delete Alarm"))->setData(ID_DELETE_ALARM);
        menu.addAction(tr("Alarm Properties..."))->setData(ID_ALARM_PROPERTIES);
        menu.addSeparator();
    }
    // The command bar's New, so that the keyboard reaches it from the list too.
    menu.addAction(tr("New Alarm..."))->setData(ID_NEW_ALARM);
    QAction* chosen = menu.exec(viewport()->mapToGlobal(at));
    if (chosen) emit command(chosen->data().toUInt());
}

void CAlarmListCtrl::contextMenuEvent(QContextMenuEvent* e) {
    m_holdTimer->stop();
    QPoint at = e->pos();
    if (e->reason() == QContextMenuEvent::Keyboard) {
        QListWidgetItem* item = currentItem();
        at = item ? visualItemRect(item).center() : QPoint(0, 0);
    }
    PopupMenu(at);
}

void CAlarmListCtrl::mousePressEvent(QMouseEvent* e) {
    QListWidget::mousePressEvent(e);
    if (e->button() == Qt::LeftButton) {
        m_pressPoint = e->pos();
        m_holdTimer->start();
    }
}

void CAlarmListCtrl::mouseReleaseEvent(QMouseEvent* e) {
    m_holdTimer->stop();
    QListWidget::mouseReleaseEvent(e);
}

}  // namespace za::app
