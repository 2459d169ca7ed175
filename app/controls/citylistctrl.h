// The two-column list of every city of the database: the city and, by mode, its phone codes,
// its country or its airport code. The list holds only a row count; it asks for the rows as
// they come into view, loads them in one positional-load bracket and keeps their texts in a
// cache until a change of the database drops them. Used by the Cities dialog and by the Phone
// Codes and Airport Codes dialogs.
#pragma once

#include "city.h"
#include "wintypes.h"

#include <QElapsedTimer>
#include <QHash>
#include <QTableView>
#include <QTimer>

#include <memory>
#include <vector>

class QMenu;

namespace za {
class CityIndex;
}

namespace za::app {

enum CLMODE {
    CLMODE_PHONE = 0,    // second column "Phone Code": country code " - " area code
    CLMODE_COUNTRY = 1,  // "Country"
    CLMODE_AIRPORT = 2,  // "Airport Code"
};

// The list's pop-up menu (161), offered in CLMODE_COUNTRY only, and its commands.
constexpr UINT IDR_CITYLIST_MENU = 161;
constexpr UINT ID_DELETE_CITY = 32800;
constexpr UINT ID_EDIT_CITY = 32810;
constexpr UINT ID_COPY_CITY = 32828;

// Where the list's rows come from: the city list, or a test's stand-in that counts the loads
// and passes them on to it.
class CCityRowSource {
public:
    virtual ~CCityRowSource();
    virtual int GetCityCount();
    virtual long FindIndexOfCity(const QString& text);
    virtual BOOL BeginLoadCityByIndex();
    virtual BOOL LoadCity(long index, CCity& city);
    virtual void EndLoadCityByIndex();
    // The texts a search looks at, and a number that changes when they do.
    virtual const za::CityIndex& Index();
    virtual unsigned IndexVersion();
};

class CCityListModel;

class CCityListCtrl : public QTableView {
    Q_OBJECT

public:
    // source: null for the city list itself.
    CCityListCtrl(CLMODE mode, QWidget* parent, std::unique_ptr<CCityRowSource> source = nullptr);
    ~CCityListCtrl() override;

    // The columns and their headings, the row count from the city list, row 0 selected.
    BOOL Create(int id);
    CLMODE Mode() const { return m_mode; }

    // Rows are the positions of the cities in the name order of the database; with a search
    // (SetSearchText) only the rows that match are shown, still numbered so.
    int GetRowCount() const { return m_rows; }
    // The selected row, or -1.
    int GetSelectedRow() const;
    // The city name of a row (loaded when it is not cached); empty for a row that is not there.
    QString GetCityName(int row);
    // Texts of the two columns.
    QString GetColumnText(int row, int column);

    // i clamped to the rows (the nearest shown one under a search): selected, focused and
    // scrolled into view.
    void SelectRow(int i);
    // Removes the cached rows first to last.
    void DropCacheFrom(int first, int last);
    bool IsRowCached(int row) const { return m_cache.contains(row); }
    int CachedRowCount() const { return static_cast<int>(m_cache.size()); }

    // Keeping the list in step with the database after a change made through the city list.
    void OnCityDeleted(int row);
    void OnCityEdited(int row);
    void OnCityAdded(const QString& name);

    // Shows only the cities whose name, country or code (of this mode) has words that begin
    // with each typed word, without regard to case and accents; empty text shows all. The
    // search runs on the process's city index, read once and kept between lists.
    void SetSearchText(const QString& text);
    // The rows shown, in order.
    int GetShownRowCount() const;
    int ShownRow(int viewRow) const;

    // The pop-up menu of a tap-and-hold (161), or null in modes without one.
    QMenu* CreatePopupMenu();
    // A tap-and-hold at a point of the list: the row there is selected and the menu tracked
    // with its commands sent to the owner (command signal).
    void TapAndHold(const QPoint& at);

signals:
    // A command of the pop-up menu, for the dialog.
    void command(UINT id);

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyboardSearch(const QString& search) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    friend class CCityListModel;

    // One cached row: the two columns' texts and, for the spoken row, the country.
    struct Row {
        QString name;
        QString second;
        QString country;
    };

    // Loads the rows first to last that are not cached, in one bracket.
    void CacheHint(int first, int last);
    // A read of the city list failed (damage met while the window runs, a database that no
    // longer opens): said once, after the event that met it, rather than shown as empty rows.
    void ReportReadFailure();
    const Row* CachedRow(int row);
    Row MakeRow(const CCity& city) const;
    // Rebuilds what is shown after the row count or the search changed.
    void Reshow();
    int ViewRowOf(int row) const;

    CLMODE m_mode;
    std::unique_ptr<CCityRowSource> m_source;
    CCityListModel* m_model;
    int m_rows = 0;
    QHash<int, Row> m_cache;
    bool m_readFailureReported = false;

    QString m_searchText;
    std::vector<int> m_shown;  // the rows a search leaves, ascending
    QString m_shownFor;        // the text they were found for, when another may look within them
    unsigned m_shownVersion = 0;

    QString m_typed;
    QElapsedTimer m_typedTimer;
    QTimer m_holdTimer;
    QPoint m_pressPoint;
};

}  // namespace za::app
