#include "todayhost.h"

#include "contrast.h"
#include "device.h"
#include "fonts.h"
#include "probes.h"
#include "registry.h"
#include "shell.h"
#include "today.h"

#include <QApplication>
#include <QCoreApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLibrary>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QWindow>

#include <map>

namespace za::today {
namespace {

constexpr int kHandle = 12;
constexpr int kMargin = 6;
constexpr int kItemWidth = 240;
constexpr int kScreenMargin = 24;
constexpr WPARAM kItemsChanged = 0xF2;
const QString kPlacementKey = QStringLiteral("Software\\Corvantel\\Zonaria");
const QString kPlacementValue = QStringLiteral("TodayPlacement");
// The words shown when no item is, in the Today screen's blue where the page lets it stand out.
const QColor kEmptyText(0x30, 0x40, 0x70);

// Loaded plug-ins stay loaded: their code may still be called by Qt (accessibility
// factories, deferred deletes) after the items are gone.
QLibrary* LoadPlugin(const QString& path) {
    static std::map<QString, std::unique_ptr<QLibrary>> loaded;
    auto it = loaded.find(path);
    if (it != loaded.end()) return it->second->isLoaded() ? it->second.get() : nullptr;
    auto library = std::make_unique<QLibrary>(path);
    library->setLoadHints(QLibrary::ResolveAllSymbolsHint);
    const bool ok = library->load();
    if (!ok) std::fprintf(stderr, "zonaria-today: cannot load %s: %s\n", qPrintable(path), qPrintable(library->errorString()));
    QLibrary* raw = library.get();
    loaded.emplace(path, std::move(library));
    return ok ? raw : nullptr;
}

}  // namespace

QStringList PluginCandidates(const QString& dll, const QString& programDir) {
    const QString name = dll.isEmpty() ? za::kTodayPlugin : dll;
    if (QFileInfo(name).isAbsolute()) return {name};
    const QDir dir(programDir);
    return {dir.filePath(name), dir.filePath(QStringLiteral("../lib/") + name),
            dir.filePath(QStringLiteral("../") + QStringLiteral(ZONARIA_INSTALL_PKGLIBDIR) + QLatin1Char('/') + name)};
}

CTodayHost::CTodayHost(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_window(QString::fromLatin1(kHostWindowClass), tr("Zonaria Today"),
               [this](UINT msg, WPARAM wParam, LPARAM) { OnPlatformMessage(msg, wParam); }) {
    setWindowTitle(tr("Zonaria Today"));
    setAccessibleName(tr("Zonaria Today"));
    setWindowIcon(QIcon(QPixmap::fromImage(ReadPng(QStringLiteral(":/zatoday/zonaria-32.png")))));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kHandle, kMargin, kMargin);
    layout->setSpacing(2);
    m_itemsLayout = new QVBoxLayout;
    m_itemsLayout->setContentsMargins(0, 0, 0, 0);
    m_itemsLayout->setSpacing(2);
    layout->addLayout(m_itemsLayout);
    m_empty = new QLabel(tr("No Today item is shown.\nZonaria's Preferences turn it on."), this);
    ApplyPalette();
    m_empty->setTextFormat(Qt::PlainText);
    m_empty->setWordWrap(true);
    layout->addWidget(m_empty);
    setFixedWidth(qRound(kItemWidth * PointFontScale()) + 2 * kMargin);
    setFocusPolicy(Qt::StrongFocus);
}

CTodayHost::~CTodayHost() {
    if (m_placed) SavePlace();
    ClearItems();
}

void CTodayHost::ClearItems() {
    for (Loaded& item : m_items) delete item.window;
    m_items.clear();
}

void CTodayHost::LoadItems() {
    ClearItems();
    HKEY items = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, za::kTodayItemsKey, 0, 0, &items) == ERROR_SUCCESS) {
        QString name;
        for (DWORD i = 0; RegEnumKeyExW(items, i, &name) == ERROR_SUCCESS; ++i) {
            HKEY key = nullptr;
            if (RegOpenKeyExW(items, name, 0, 0, &key) != ERROR_SUCCESS) continue;
            Loaded item;
            item.record.szName = name;
            // An item key without "Enabled" is shown, as one the Preferences never touched.
            DWORD enabled = 1;
            RegQueryDword(key, QStringLiteral("Enabled"), &enabled);
            item.record.fEnabled = enabled != 0 ? TRUE : FALSE;
            RegQueryString(key, QStringLiteral("DLL"), &item.record.szDLLPath);
            RegCloseKey(key);
            QLibrary* library = nullptr;
            for (const QString& path : PluginCandidates(item.record.szDLLPath, QCoreApplication::applicationDirPath())) {
                if (QFileInfo::exists(path) && (library = LoadPlugin(path))) break;
            }
            if (!library) continue;
            auto version = reinterpret_cast<TodayInterfaceVersionFn>(library->resolve(kTodayVersionSymbol));
            auto init = reinterpret_cast<InitializeCustomItemFn>(library->resolve(kInitializeCustomItemSymbol));
            if (!version || version() != kTodayInterfaceVersion || !init) {
                std::fprintf(stderr, "zonaria-today: %s is not a Today item of this version\n",
                             qPrintable(library->fileName()));
                continue;
            }
            item.options = reinterpret_cast<CustomItemOptionsDlgProcFn>(library->resolve(kCustomItemOptionsSymbol));
            item.window = init(&item.record, this);
            if (!item.window) continue;
            TodayMessageEvent query(WM_TODAYCUSTOM_QUERYREFRESHCACHE, 0, &item.record);
            QCoreApplication::sendEvent(item.window, &query);
            item.window->setFixedHeight(static_cast<int>(item.record.cyp));
            m_itemsLayout->addWidget(item.window);
            m_items.push_back(item);
        }
        RegCloseKey(items);
    }
    // Nothing shown because the profile cannot be used is not the Preferences' doing: said in
    // the window's words.
    const za::device::ProfileStatus profile = za::device::Status();
    const bool usable = profile.state == za::device::ProfileState::Ready || profile.state == za::device::ProfileState::ReadOnly;
    m_empty->setText(usable ? tr("No Today item is shown.\nZonaria's Preferences turn it on.")
                            : tr("The device profile at %1 cannot be used: %2").arg(profile.folder, profile.message));
    m_empty->setVisible(m_items.empty());
    adjustSize();
}

void CTodayHost::OnPlatformMessage(UINT msg, WPARAM wParam) {
    // The Preferences changed the set of items: build them again, after this message.
    if (msg == WM_SETTINGCHANGE && wParam == kItemsChanged) QMetaObject::invokeMethod(this, [this] { LoadItems(); }, Qt::QueuedConnection);
}

bool CTodayHost::event(QEvent* e) {
    if (e->type() == TodayMessageEvent::kType) {
        auto* msg = static_cast<TodayMessageEvent*>(e);
        if (msg->message == TODAYM_DRAWWATERMARK) {
            auto* info = static_cast<TODAYDRAWWATERMARKINFO*>(msg->lParam);
            if (info && info->painter) info->painter->fillRect(info->rc, palette().color(QPalette::Base));
            msg->result = 1;
        }
        return true;
    }
    return QWidget::event(e);
}

void CTodayHost::paintEvent(QPaintEvent*) {
    // The page follows the desktop's theme (the items make their colours readable on it).
    QPainter p(this);
    const QColor border = palette().color(QPalette::Mid);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(border);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // The handle: a row of dots to take the window by.
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(border);
    p.setPen(Qt::NoPen);
    const int y = kHandle / 2;
    for (int x = width() / 2 - 12; x <= width() / 2 + 12; x += 6) p.drawEllipse(QPointF(x, y), 1.3, 1.3);
}

void CTodayHost::ApplyPalette() {
    QPalette words = m_empty->palette();
    words.setColor(QPalette::WindowText, za::ReadableOn(kEmptyText, palette().color(QPalette::Base)));
    m_empty->setPalette(words);
}

void CTodayHost::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::PaletteChange && m_empty) ApplyPalette();
}

int CTodayHost::ItemAt(const QPoint& at) const {
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].window->geometry().contains(at)) return static_cast<int>(i);
    }
    return m_items.empty() ? -1 : 0;
}

void CTodayHost::contextMenuEvent(QContextMenuEvent* e) {
    const int item = ItemAt(e->pos());
    QMenu menu(this);
    QAction* options = menu.addAction(tr("Options…"));
    options->setEnabled(item >= 0 && m_items[static_cast<size_t>(item)].options);
    QAction* open = menu.addAction(tr("Open Zonaria"));
    menu.addSeparator();
    QAction* close = menu.addAction(tr("Close"));
    QAction* chosen = menu.exec(e->globalPos());
    if (chosen == options) ShowOptions(item);
    if (chosen == open) OpenZonaria();
    if (chosen == close) QCoreApplication::quit();
}

void CTodayHost::ShowOptions(int i) {
    if (i < 0 || i >= ItemCount() || !m_items[static_cast<size_t>(i)].options) return;
    Loaded& item = m_items[static_cast<size_t>(i)];
    if (item.options(this, &item.record) != IDOK) return;
    // A new count gives a new height: the item is made again.
    LoadItems();
}

void CTodayHost::OpenZonaria() {
    QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zonaria"));
    if (!QFileInfo(program).isExecutable()) program = QStandardPaths::findExecutable(QStringLiteral("zonaria"));
    za::shell::Current().StartProgram(program, {});
}

void CTodayHost::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    // Only a drag moves the window: a click is the item's tap.
    m_pressed = true;
    m_dragging = false;
    m_pressAt = e->globalPosition().toPoint();
    m_dragFrom = m_pressAt - frameGeometry().topLeft();
}

void CTodayHost::mouseMoveEvent(QMouseEvent* e) {
    const QPoint at = e->globalPosition().toPoint();
    if (m_pressed && (at - m_pressAt).manhattanLength() >= QApplication::startDragDistance()) {
        m_pressed = false;
        // Desktops that move windows themselves do it best; elsewhere the window follows the mouse.
        if (windowHandle() && windowHandle()->startSystemMove()) return;
        m_dragging = true;
    }
    if (m_dragging) move(at - m_dragFrom);
}

void CTodayHost::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const bool click = m_pressed;
    m_pressed = false;
    m_dragging = false;
    if (!click) {
        SavePlace();
        return;
    }
    // A click on an item is its tap (it opens Zonaria); elsewhere it opens Zonaria too.
    const QPoint at = e->position().toPoint();
    const int i = ItemAt(at);
    QWidget* item = i >= 0 ? m_items[static_cast<size_t>(i)].window : nullptr;
    if (item && item->geometry().contains(at)) {
        const QPointF inside = item->mapFrom(this, e->position());
        QMouseEvent release(QEvent::MouseButtonRelease, inside, e->globalPosition(), Qt::LeftButton, Qt::NoButton,
                            e->modifiers());
        QCoreApplication::sendEvent(item, &release);
        return;
    }
    OpenZonaria();
}

void CTodayHost::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    m_placed = true;
}

void CTodayHost::PlaceAtStart() {
    HKEY key = nullptr;
    QPoint place;
    bool known = false;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kPlacementKey, 0, 0, &key) == ERROR_SUCCESS) {
        qint32 xy[2] = {0, 0};
        DWORD size = sizeof xy, type = 0;
        if (RegQueryValueExW(key, kPlacementValue, nullptr, &type, reinterpret_cast<BYTE*>(xy), &size) == ERROR_SUCCESS &&
            type == REG_BINARY && size == sizeof xy) {
            place = QPoint(xy[0], xy[1]);
            known = true;
        }
        RegCloseKey(key);
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // A place on a screen that is no longer there falls back to the corner.
    if (!known || !area.adjusted(-width() / 2, 0, 0, 0).contains(place)) {
        place = QPoint(area.right() - width() - kScreenMargin, area.top() + kScreenMargin);
    }
    move(place);
    m_placed = false;
}

void CTodayHost::SavePlace() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kPlacementKey, 0, QString(), 0, 0, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    const qint32 xy[2] = {pos().x(), pos().y()};
    RegSetValueExW(key, kPlacementValue, 0, REG_BINARY, reinterpret_cast<const BYTE*>(xy), sizeof xy);
    RegCloseKey(key);
}

}  // namespace za::today
