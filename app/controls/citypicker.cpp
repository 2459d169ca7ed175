#include "citypicker.h"

#include "citylist.h"
#include "cityindex.h"
#include "textfold.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QAbstractListModel>
#include <QVBoxLayout>

#include <algorithm>

namespace za::app {
namespace {

constexpr int kEdge = 5;
constexpr int kVisibleRows = 12;
constexpr int kWidth = 240;
// The selected entry is shown as the fifth visible row.
constexpr int kRowsAbove = 4;

}  // namespace

// The entries of the process's city index that the typed text leaves, in name order: all of
// them before anything is typed. Holds row numbers only; the texts stay in the index.
class CCityPickerModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // Shows every entry of the city list, read again when it changed.
    void Reload() {
        beginResetModel();
        m_index = &GetCityList().Index();
        m_all = true;
        m_rows.clear();
        m_typed.clear();
        endResetModel();
    }
    // Narrows to the entries that match typed (see za::CityIndex::Matching); a text that
    // continues the last one looks only at the rows that one left.
    void SetTyped(const QString& typed) {
        if (!m_index) return;
        beginResetModel();
        const bool narrows = !m_all && !m_typed.isEmpty() && typed.startsWith(m_typed);
        if (za::SearchWords(typed).isEmpty()) {
            m_all = true;
            m_rows.clear();
        } else {
            m_rows = m_index->Matching(typed, za::CityIndex::Codes::None, narrows ? &m_rows : nullptr);
            m_all = false;
        }
        m_typed = typed;
        endResetModel();
    }
    const za::CityIndex* Index() const { return m_index; }
    // The index row of a row shown, and the shown row of an index row (-1 when hidden).
    int IndexRow(int row) const { return m_all ? row : m_rows[static_cast<size_t>(row)]; }
    int ShownRow(int indexRow) const {
        if (m_all) return indexRow;
        const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), indexRow);
        return it != m_rows.end() && *it == indexRow ? static_cast<int>(it - m_rows.begin()) : -1;
    }
    // The rows a search left (empty before anything is typed).
    const std::vector<int>& Rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        if (parent.isValid() || !m_index) return 0;
        return m_all ? static_cast<int>(m_index->Size()) : static_cast<int>(m_rows.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!m_index || !index.isValid() || index.row() >= rowCount()) return QVariant();
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return m_index->Entry(IndexRow(index.row()));
        return QVariant();
    }

private:
    const za::CityIndex* m_index = nullptr;
    bool m_all = true;
    std::vector<int> m_rows;
    QString m_typed;
};

namespace {

void RefreshPicker() { CCityPickerPopup::Instance().Refresh(); }

}  // namespace

CCityListBox::CCityListBox(QWidget* parent) : QListView(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void CCityListBox::mouseReleaseEvent(QMouseEvent* e) {
    QListView::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && indexAt(e->position().toPoint()).isValid()) {
        emit command(IDC_CITYLIST, LBN_RELEASED);
    }
}

CCityPickerPopup::CCityPickerPopup() = default;

CCityPickerPopup& CCityPickerPopup::Instance() {
    static CCityPickerPopup* picker = [] {
        auto* p = new CCityPickerPopup;
        // Lives as long as the application object; its window belongs to its owner.
        p->setParent(QCoreApplication::instance());
        GetCityList().SetChangeHandler(RefreshPicker);
        return p;
    }();
    return *picker;
}

void CCityPickerPopup::Create(QWidget* owner) {
    delete m_window;
    m_owner = owner;
    // A frameless tool window, not a Qt::Popup: the accessibility tree leaves pop-ups out of the
    // application's windows, so a screen reader saw neither the list nor the search field. It
    // closes as a pop-up does when another window takes the focus (see eventFilter).
    m_window = new QWidget(owner ? owner->window() : nullptr, Qt::Tool | Qt::FramelessWindowHint);
    m_window->setAccessibleDescription(tr("Type to narrow the list, Enter chooses, Esc cancels"));
    m_window->setObjectName(QStringLiteral("dialog%1").arg(IDD_CITYPICKER));
    m_window->setAccessibleName(tr("Select a City"));
    m_window->installEventFilter(this);
    // The highlight colour shows as a frame around the list.
    m_window->setAutoFillBackground(true);
    QPalette palette = m_window->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
    m_window->setPalette(palette);

    m_search = new QLineEdit(m_window);
    m_search->setPlaceholderText(tr("Search"));
    m_search->setAccessibleName(tr("Search cities"));
    m_search->setClearButtonEnabled(true);
    m_search->installEventFilter(this);

    m_model = new CCityPickerModel(m_window);
    m_list = new CCityListBox(m_window);
    m_list->setAccessibleName(tr("Cities"));
    m_list->setModel(m_model);
    m_list->installEventFilter(this);
    connect(m_list, &CCityListBox::command, this, [this](int, int code) {
        if (code == LBN_RELEASED) Choose();
    });
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_model->SetTyped(text);
        SelectBestVisible(text);
    });

    auto* layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_search);
    layout->addWidget(m_list);
    const int rowHeight = m_list->fontMetrics().height() + 2;
    m_list->setFixedHeight(rowHeight * kVisibleRows + 2 * m_list->frameWidth());
    m_window->setFixedWidth(kWidth);
    m_window->adjustSize();
}

void CCityPickerPopup::Fill(const QString& current) {
    // The list is the city index itself: nothing is copied at an open, and only a change of
    // the database reads it again.
    m_model->Reload();
    const za::CityIndex& index = *m_model->Index();
    // The entries are "Name (Country)": the current city's is the one that begins with its name.
    long row = GetCityList().FindIndexOfCity(za::CityEntryPrefix(current));
    if (row < 0 || !index.Entry(row).startsWith(za::CityEntryPrefix(current))) {
        row = GetCityList().FindIndexOfCity(current);  // a whole entry
        if (row >= 0 && index.Entry(row) != current) row = -1;
    }
    if (row < 0) {
        m_list->clearSelection();
        m_list->scrollToTop();
        return;
    }
    const QModelIndex at = m_model->index(static_cast<int>(row));
    m_list->setCurrentIndex(at);
    // The selected entry as the fifth visible row.
    m_list->scrollTo(m_model->index(std::max(at.row() - kRowsAbove, 0)), QAbstractItemView::PositionAtTop);
}

void CCityPickerPopup::SelectBestVisible(const QString& typed) {
    if (m_model->rowCount() == 0) return;
    // The best match, not the first in the alphabet: "London" would else give "East London".
    const int best = za::SearchWords(typed).isEmpty() ? m_model->IndexRow(0)
                                                      : m_model->Index()->BestMatch(m_model->Rows(), typed);
    const QModelIndex index = m_model->index(std::max(m_model->ShownRow(best), 0));
    m_list->setCurrentIndex(index);
    m_list->scrollTo(index, QAbstractItemView::PositionAtTop);
}

QPoint CCityPickerPopup::Place(const QPoint& anchor, const QSize& popup, const QSize& owner) {
    int x = std::min(anchor.x(), owner.width() - popup.width() - kEdge);
    int y = std::min(anchor.y(), owner.height() - popup.height() - kEdge);
    return QPoint(std::max(x, kEdge), std::max(y, kEdge));
}

bool CCityPickerPopup::Show(const QPoint& anchor, const QString& currentName, QWidget* owner, QString* chosen) {
    if (!m_window || m_owner != owner) Create(owner);
    m_chosenText = currentName;
    m_chosen = false;
    m_activeShown = false;
    m_search->blockSignals(true);
    m_search->clear();
    m_search->blockSignals(false);
    Fill(currentName);
    const QSize ownerSize = owner ? owner->size() : QSize(kWidth * 2, kWidth * 2);
    const QPoint place = Place(anchor, m_window->size(), ownerSize);
    m_window->move(owner ? owner->mapToGlobal(place) : place);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    m_search->setFocus();
    QEventLoop loop;
    m_loop = &loop;
    // A click outside it, in this program or another, is a cancel (see eventFilter).
    if (m_window->isVisible()) loop.exec();
    m_loop = nullptr;
    if (m_window) m_window->hide();
    if (!m_chosen) return false;
    if (chosen) *chosen = za::CityNameOfEntry(m_chosenText);
    return true;
}

void CCityPickerPopup::Choose() {
    const QModelIndex index = m_list->currentIndex();
    if (!index.isValid()) return;
    m_chosenText = index.data().toString();
    End(true);
}

void CCityPickerPopup::Cancel() { End(false); }

void CCityPickerPopup::End(bool chosen) {
    m_chosen = chosen;
    if (m_window) m_window->hide();
    if (m_loop) m_loop->quit();
}

void CCityPickerPopup::Refresh() {
    if (!m_window) return;
    Fill(za::CityNameOfEntry(m_chosenText));
}

QStringList CCityPickerPopup::VisibleEntries() const {
    QStringList out;
    if (!m_model) return out;
    for (int i = 0; i < m_model->rowCount(); ++i) out << m_model->index(i).data().toString();
    return out;
}

QString CCityPickerPopup::SelectedEntry() const {
    return m_list && m_list->currentIndex().isValid() ? m_list->currentIndex().data().toString() : QString();
}

bool CCityPickerPopup::Matches(const QString& entry, const QString& typed) {
    za::CityIndex one;
    QString name, country;
    za::SplitCityEntry(entry, &name, &country);
    one.Append({name, country, {}, {}, {}});
    return !one.Matching(typed, za::CityIndex::Codes::None).empty();
}

bool CCityPickerPopup::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_window && e->type() == QEvent::Hide) {
        if (m_loop) m_loop->quit();
        return false;
    }
    // Another window took the focus (a click outside the picker): as a pop-up, it cancels. Only
    // once this showing has been active: the deactivation of the last one may arrive late.
    if (watched == m_window && e->type() == QEvent::WindowActivate) m_activeShown = true;
    if (watched == m_window && e->type() == QEvent::WindowDeactivate && m_loop && m_activeShown) {
        End(false);
        return false;
    }
    if (e->type() != QEvent::KeyPress) return QObject::eventFilter(watched, e);
    auto* key = static_cast<QKeyEvent*>(e);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Choose();
        return true;
    case Qt::Key_Escape:
        End(false);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (watched == m_search) {
            // The arrows move through the hits while the typing goes on in the field.
            QApplication::sendEvent(m_list, e);
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, e);
}

}  // namespace za::app
