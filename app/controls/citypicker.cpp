#include "citypicker.h"

#include "citylist.h"
#include "searchtext.h"
#include "textfold.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStringListModel>
#include <QVBoxLayout>

namespace za::app {
namespace {

constexpr int kEdge = 5;
constexpr int kVisibleRows = 12;
constexpr int kWidth = 240;
// The selected entry is shown as the fifth visible row.
constexpr int kRowsAbove = 4;

// Keeps the rows whose entry matches the typed words; the entries' words are split once.
class WordFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void SetEntries(const QStringList& entries) {
        m_words.clear();
        m_words.reserve(entries.size());
        for (const QString& e : entries) m_words.push_back(SearchWords(e));
    }
    void SetTyped(const QString& typed) {
        m_typed = SearchWords(typed);
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex&) const override {
        if (m_typed.isEmpty()) return true;
        if (row < 0 || row >= static_cast<int>(m_words.size())) return false;
        return WordsMatch(m_words[static_cast<size_t>(row)], m_typed);
    }

private:
    std::vector<QStringList> m_words;
    QStringList m_typed;
};

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

    m_model = new QStringListModel(m_window);
    m_filter = new WordFilter(m_window);
    m_filter->setSourceModel(m_model);
    m_list = new CCityListBox(m_window);
    m_list->setAccessibleName(tr("Cities"));
    m_list->setModel(m_filter);
    m_list->installEventFilter(this);
    connect(m_list, &CCityListBox::command, this, [this](int, int code) {
        if (code == LBN_RELEASED) Choose();
    });
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        static_cast<WordFilter*>(m_filter)->SetTyped(text);
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
    CCityList& cities = GetCityList();
    QStringList names;
    names.reserve(cities.GetCityCount());
    // The entries are "Name (Country)": the current city's is the one that begins with its name.
    const QString prefix = za::CityEntryPrefix(current);
    int row = -1;
    POSITION pos = cities.GetHeadCityNamePosition();
    while (pos) {
        const QString& entry = cities.GetNextCityName(pos);
        if (row < 0 && (entry.startsWith(prefix) || entry == current)) row = static_cast<int>(names.size());
        names << entry;
    }
    static_cast<WordFilter*>(m_filter)->SetEntries(names);
    m_model->setStringList(names);
    if (row < 0) {
        m_list->clearSelection();
        m_list->scrollToTop();
        return;
    }
    const QModelIndex index = m_filter->mapFromSource(m_model->index(row));
    m_list->setCurrentIndex(index);
    // The selected entry as the fifth visible row.
    m_list->scrollTo(m_filter->index(std::max(index.row() - kRowsAbove, 0), 0), QAbstractItemView::PositionAtTop);
}

void CCityPickerPopup::SelectBestVisible(const QString& typed) {
    if (m_filter->rowCount() == 0) return;
    // The best match, not the first in the alphabet: "London" would else give "East London".
    int best = 0;
    int bestRank = -1;
    for (int row = 0; row < m_filter->rowCount() && bestRank != 0; ++row) {
        const QString entry = m_filter->index(row, 0).data().toString();
        const int cut = entry.indexOf(QStringLiteral(" ("));
        const int rank = za::NameMatchRank(cut >= 0 ? entry.left(cut) : entry, typed);
        if (rank >= 0 && (bestRank < 0 || rank < bestRank)) {
            best = row;
            bestRank = rank;
        }
    }
    const QModelIndex index = m_filter->index(best, 0);
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
    static_cast<WordFilter*>(m_filter)->SetTyped(QString());
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
    if (!m_filter) return out;
    for (int i = 0; i < m_filter->rowCount(); ++i) out << m_filter->index(i, 0).data().toString();
    return out;
}

QString CCityPickerPopup::SelectedEntry() const {
    return m_list && m_list->currentIndex().isValid() ? m_list->currentIndex().data().toString() : QString();
}

bool CCityPickerPopup::Matches(const QString& entry, const QString& typed) {
    return WordsMatch(SearchWords(entry), SearchWords(typed));
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
