#include "citylistctrl.h"

#include "appstrings.h"
#include "citylist.h"
#include "device.h"
#include "dialogframe.h"
#include "fonts.h"
#include "errorbox.h"
#include "resource.h"
#include "cityindex.h"
#include "shell.h"
#include "stringtable.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>

#include <algorithm>

namespace za::app {
namespace {

// A press held this long is a tap-and-hold.
constexpr int kHoldMs = 500;
// The list's font: 8.5 points.
constexpr int kListPointSize = 85;
constexpr int kRowPadding = 6;

struct MenuItem {
    UINT id;
    const char* text;
};
// Menu 161, and the command bar's Copy, the one way to make a city, so that the keyboard reaches
// it from the list too.
const MenuItem kCityListMenu[] = {
    {ID_DELETE_CITY, QT_TRANSLATE_NOOP("za::app::CCityListCtrl", "Delete City")},
    {ID_EDIT_CITY, QT_TRANSLATE_NOOP("za::app::CCityListCtrl", "Edit City...")},
    {0, nullptr},
    {ID_COPY_CITY, QT_TRANSLATE_NOOP("za::app::CCityListCtrl", "Copy City...")},
};

UINT HeadingOf(CLMODE mode) {
    switch (mode) {
    case CLMODE_PHONE: return IDS_COLUMN_PHONE;
    case CLMODE_AIRPORT: return IDS_COLUMN_AIRPORT;
    default: return IDS_COLUMN_COUNTRY;
    }
}

}  // namespace

CCityRowSource::~CCityRowSource() = default;

int CCityRowSource::GetCityCount() { return GetCityList().GetCityCount(); }

long CCityRowSource::FindIndexOfCity(const QString& text) { return GetCityList().FindIndexOfCity(text); }

BOOL CCityRowSource::BeginLoadCityByIndex() { return GetCityList().BeginLoadCityByIndex(); }

BOOL CCityRowSource::LoadCity(long index, CCity& city) { return GetCityList().LoadCity(index, city); }

void CCityRowSource::EndLoadCityByIndex() { GetCityList().EndLoadCityByIndex(); }

const za::CityIndex& CCityRowSource::Index() { return GetCityList().Index(); }

unsigned CCityRowSource::IndexVersion() { return GetCityList().IndexVersion(); }

// The rows as the view sees them: only the shown ones, texts from the list's cache.
class CCityListModel : public QAbstractTableModel {
public:
    explicit CCityListModel(CCityListCtrl* list) : QAbstractTableModel(list), m_list(list) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_list->GetShownRowCount(); }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 2; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return {};
        const CCityListCtrl::Row* row = m_list->CachedRow(m_list->ShownRow(index.row()));
        if (!row) return {};
        if (role == Qt::AccessibleTextRole) {
            // Each cell reads the whole row: "City, Country, code".
            QStringList parts{row->name, row->country};
            if (m_list->Mode() != CLMODE_COUNTRY && !row->second.isEmpty()) parts << row->second;
            return parts.join(QStringLiteral(", "));
        }
        return index.column() == 0 ? row->name : row->second;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        return AppString(section == 0 ? IDS_COLUMN_CITY : HeadingOf(m_list->Mode()));
    }

    void Reset() {
        beginResetModel();
        endResetModel();
    }

private:
    CCityListCtrl* m_list;
};

CCityListCtrl::CCityListCtrl(CLMODE mode, QWidget* parent, std::unique_ptr<CCityRowSource> source)
    : QTableView(parent),
      m_mode(mode),
      m_source(source ? std::move(source) : std::make_unique<CCityRowSource>()),
      m_model(new CCityListModel(this)) {
    QFont font;
    CreatePointFont(font, kListPointSize, QStringLiteral("Tahoma"));
    setFont(font);
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalHeader()->hide();
    // Every row is as high as the others, so the view never asks for rows it does not show.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionResizeMode(QHeaderView::Stretch);
    m_holdTimer.setSingleShot(true);
    m_holdTimer.setInterval(kHoldMs);
    connect(&m_holdTimer, &QTimer::timeout, this, [this] { TapAndHold(m_pressPoint); });
}

CCityListCtrl::~CCityListCtrl() = default;

BOOL CCityListCtrl::Create(int id) {
    SetControlId(this, id);
    const int count = m_source->GetCityCount();
    if (count < 0) ReportReadFailure();
    m_rows = std::max(count, 0);
    Reshow();
    if (m_rows > 0) SelectRow(0);
    show();
    return TRUE;
}

CCityListCtrl::Row CCityListCtrl::MakeRow(const CCity& city) const {
    Row row;
    row.name = city.Name();
    row.country = city.CountryName();
    switch (m_mode) {
    case CLMODE_PHONE:
        // "81 - 3"; a country without area codes shows its code alone, not a dangling dash.
        row.second = city.AreaCode().isEmpty() ? city.CountryPhoneCode()
                                               : city.CountryPhoneCode() + QStringLiteral(" - ") + city.AreaCode();
        break;
    case CLMODE_AIRPORT: row.second = city.AirportCode(); break;
    default: row.second = city.CountryName(); break;
    }
    return row;
}

void CCityListCtrl::CacheHint(int first, int last) {
    std::vector<int> missing;
    for (int v = std::max(first, 0); v <= last && v < GetShownRowCount(); ++v) {
        const int row = ShownRow(v);
        if (row >= 0 && !m_cache.contains(row)) missing.push_back(row);
    }
    if (missing.empty()) return;
    za::shell::WaitCursor wait;
    // A database that does not open caches nothing: the rows show empty, and the user hears why.
    if (!m_source->BeginLoadCityByIndex()) {
        ReportReadFailure();
        return;
    }
    bool failed = false;
    for (int row : missing) {
        CCity city;
        if (m_source->LoadCity(row, city)) {
            m_cache.insert(row, MakeRow(city));
        } else {
            failed = true;
        }
    }
    m_source->EndLoadCityByIndex();
    if (failed) ReportReadFailure();
}

void CCityListCtrl::ReportReadFailure() {
    if (m_readFailureReported) return;
    m_readFailureReported = true;
    // Not from inside a paint or a model's question: a message box there would run events
    // in the middle of them.
    QTimer::singleShot(0, this, [] {
        const za::device::ProfileStatus profile = za::device::Status();
        const QString why = profile.message.isEmpty() ? za::device::LastError() : profile.message;
        EZError(FormatString(AppString(IDS_LIST_UNREADABLE), {why}), 0, MB_OK | MB_ICONEXCLAMATION);
    });
}

const CCityListCtrl::Row* CCityListCtrl::CachedRow(int row) {
    if (row < 0 || row >= m_rows) return nullptr;
    auto it = m_cache.constFind(row);
    if (it == m_cache.constEnd()) {
        // Asked outside a hint: the row is loaded alone.
        const int v = ViewRowOf(row);
        if (v >= 0) CacheHint(v, v);
        it = m_cache.constFind(row);
        if (it == m_cache.constEnd()) return nullptr;
    }
    return &it.value();
}

QString CCityListCtrl::GetCityName(int row) {
    const Row* r = CachedRow(row);
    return r ? r->name : QString();
}

QString CCityListCtrl::GetColumnText(int row, int column) {
    const Row* r = CachedRow(row);
    if (!r) return QString();
    return column == 0 ? r->name : r->second;
}

int CCityListCtrl::GetShownRowCount() const {
    return m_searchText.isEmpty() ? m_rows : static_cast<int>(m_shown.size());
}

int CCityListCtrl::ShownRow(int viewRow) const {
    if (viewRow < 0 || viewRow >= GetShownRowCount()) return -1;
    return m_searchText.isEmpty() ? viewRow : m_shown[static_cast<size_t>(viewRow)];
}

int CCityListCtrl::ViewRowOf(int row) const {
    if (row < 0 || row >= m_rows) return -1;
    if (m_searchText.isEmpty()) return row;
    const auto it = std::lower_bound(m_shown.begin(), m_shown.end(), row);
    return it != m_shown.end() && *it == row ? static_cast<int>(it - m_shown.begin()) : -1;
}

int CCityListCtrl::GetSelectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : ShownRow(selected.first().row());
}

void CCityListCtrl::SelectRow(int i) {
    const int shown = GetShownRowCount();
    if (m_rows <= 0 || shown <= 0) {
        selectionModel()->clear();
        return;
    }
    i = std::max(std::min(i, m_rows - 1), 0);
    int v = i;
    if (!m_searchText.isEmpty()) {
        // The first shown row from i on, else the last shown one.
        v = static_cast<int>(std::lower_bound(m_shown.begin(), m_shown.end(), i) - m_shown.begin());
        v = std::min(v, shown - 1);
    }
    const QModelIndex index = m_model->index(v, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index, QAbstractItemView::EnsureVisible);
}

void CCityListCtrl::DropCacheFrom(int first, int last) {
    for (auto it = m_cache.begin(); it != m_cache.end();) {
        it = it.key() >= first && it.key() <= last ? m_cache.erase(it) : std::next(it);
    }
    // The rows a search leaves are found afresh, not within the last ones.
    m_shownFor.clear();
}

void CCityListCtrl::OnCityDeleted(int row) {
    DropCacheFrom(row, m_rows - 1);
    m_rows = std::max(m_rows - 1, 0);
    Reshow();
    SelectRow(row);
}

void CCityListCtrl::OnCityEdited(int row) {
    DropCacheFrom(row, row);
    if (!m_searchText.isEmpty()) {
        // The edit may have changed whether the city matches.
        Reshow();
    } else {
        viewport()->update();
    }
    SelectRow(row);
}

void CCityListCtrl::OnCityAdded(const QString& name) {
    // The name's own entry: "Name (Country)" begins with the name and " (".
    const long i = m_source->FindIndexOfCity(za::CityEntryPrefix(name));
    if (i >= 0) {
        DropCacheFrom(static_cast<int>(i), m_rows - 1);
        ++m_rows;
        Reshow();
        SelectRow(static_cast<int>(i));
    } else {
        DropCacheFrom(0, m_rows - 1);
        m_rows = std::max(m_source->GetCityCount(), 0);
        Reshow();
        SelectRow(0);
    }
}

void CCityListCtrl::SetSearchText(const QString& text) {
    if (text == m_searchText) return;
    const int selected = GetSelectedRow();
    m_searchText = text;
    Reshow();
    if (selected >= 0 && ViewRowOf(selected) >= 0) {
        SelectRow(selected);
    } else if (GetShownRowCount() > 0) {
        SelectRow(ShownRow(0));
    }
}

void CCityListCtrl::Reshow() {
    if (m_searchText.isEmpty()) {
        m_shown.clear();
        m_shownFor.clear();
    } else {
        // The process's city index, searched; a text that continues the last one looks only at
        // the rows that one left.
        const za::CityIndex& index = m_source->Index();
        const unsigned version = m_source->IndexVersion();
        const bool narrows = version == m_shownVersion && !m_shownFor.isEmpty() && m_searchText.startsWith(m_shownFor);
        const za::CityIndex::Codes codes = m_mode == CLMODE_PHONE     ? za::CityIndex::Codes::Phone
                                           : m_mode == CLMODE_AIRPORT ? za::CityIndex::Codes::Airport
                                                                      : za::CityIndex::Codes::None;
        m_shown = index.Matching(m_searchText, codes, narrows ? &m_shown : nullptr);
        // Rows the list does not hold (an index read after a change the list has not heard of)
        // are not shown.
        m_shown.erase(std::lower_bound(m_shown.begin(), m_shown.end(), m_rows), m_shown.end());
        m_shownFor = m_searchText;
        m_shownVersion = version;
    }
    m_model->Reset();
}

void CCityListCtrl::paintEvent(QPaintEvent* e) {
    // The list view's cache hint: the rows this paint is about to show, in one bracket.
    const QRect area = e->rect();
    const int first = rowAt(area.top());
    if (first >= 0) {
        int last = rowAt(area.bottom());
        if (last < 0) last = GetShownRowCount() - 1;
        CacheHint(first, last);
    }
    QTableView::paintEvent(e);
}

void CCityListCtrl::keyboardSearch(const QString& search) {
    if (search.isEmpty()) {
        m_typed.clear();
        return;
    }
    // Letters typed in quick succession make one text, as the base view's search does.
    if (!m_typedTimer.isValid() || m_typedTimer.elapsed() > QApplication::keyboardInputInterval()) m_typed.clear();
    m_typed += search;
    m_typedTimer.restart();
    const long row = m_source->FindIndexOfCity(m_typed);
    // Letters that begin no city, or only one the search hides, leave the selection alone.
    if (row < 0 || ViewRowOf(static_cast<int>(row)) < 0) return;
    SelectRow(static_cast<int>(row));
}

QMenu* CCityListCtrl::CreatePopupMenu() {
    if (m_mode != CLMODE_COUNTRY) return nullptr;
    auto* menu = new QMenu(this);
    menu->setAccessibleName(GetCityName(GetSelectedRow()));
    for (const MenuItem& item : kCityListMenu) {
        if (item.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QCoreApplication::translate("za::app::CCityListCtrl", item.text));
        action->setData(item.id);
    }
    return menu;
}

void CCityListCtrl::TapAndHold(const QPoint& at) {
    m_holdTimer.stop();
    if (m_mode != CLMODE_COUNTRY) return;
    const QModelIndex index = indexAt(at);
    if (!index.isValid()) return;
    SelectRow(ShownRow(index.row()));
    setFocus();
    std::unique_ptr<QMenu> menu(CreatePopupMenu());
    if (!menu) return;
    // Centred on the point, as the handheld's menu was.
    QPoint global = viewport()->mapToGlobal(at);
    global.ry() -= menu->sizeHint().height() / 2;
    QAction* chosen = menu->exec(global);
    if (chosen) emit command(chosen->data().toUInt());
}

void CCityListCtrl::mousePressEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    if (e->button() == Qt::RightButton) {
        // A right click is a tap-and-hold at once.
        TapAndHold(at);
        return;
    }
    QTableView::mousePressEvent(e);
    if (e->button() == Qt::LeftButton && m_mode == CLMODE_COUNTRY) {
        m_pressPoint = at;
        m_holdTimer.start();
    }
}

void CCityListCtrl::mouseMoveEvent(QMouseEvent* e) {
    if (m_holdTimer.isActive() &&
        (e->position().toPoint() - m_pressPoint).manhattanLength() > QApplication::startDragDistance()) {
        m_holdTimer.stop();
    }
    QTableView::mouseMoveEvent(e);
}

void CCityListCtrl::mouseReleaseEvent(QMouseEvent* e) {
    m_holdTimer.stop();
    QTableView::mouseReleaseEvent(e);
}

void CCityListCtrl::contextMenuEvent(QContextMenuEvent* e) {
    // The right button was handled as it went down; the Menu key and Shift+F10 come here.
    if (e->reason() == QContextMenuEvent::Mouse) return;
    const int v = ViewRowOf(GetSelectedRow());
    if (v < 0) return;
    const QRect r = visualRect(m_model->index(v, 0));
    TapAndHold(QPoint(r.left() + r.height(), r.center().y()));
}

void CCityListCtrl::resizeEvent(QResizeEvent* e) {
    QTableView::resizeEvent(e);
    // Keep the selected row in view as the list follows its dialog.
    if (currentIndex().isValid()) scrollTo(currentIndex(), QAbstractItemView::EnsureVisible);
}

}  // namespace za::app
