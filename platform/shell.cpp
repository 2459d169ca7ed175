#include "shell.h"

#include "process.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace za::shell {
namespace {

std::unique_ptr<Shell>& Slot() {
    static std::unique_ptr<Shell> shell;
    return shell;
}

std::function<bool(RECT*)>& AreaProvider() {
    static std::function<bool(RECT*)> provider;
    return provider;
}

QString ButtonName(int id) {
    switch (id) {
    case IDOK: return QStringLiteral("OK");
    case IDCANCEL: return QStringLiteral("Cancel");
    case IDABORT: return QStringLiteral("Abort");
    case IDRETRY: return QStringLiteral("Retry");
    case IDIGNORE: return QStringLiteral("Ignore");
    case IDYES: return QStringLiteral("Yes");
    case IDNO: return QStringLiteral("No");
    }
    return QString();
}

}  // namespace

std::vector<int> Buttons(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    default: return {IDOK};
    }
}

int DefaultButton(UINT type) {
    const std::vector<int> buttons = Buttons(type);
    const size_t index = (type & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

Shell& Current() {
    if (!Slot()) Slot() = std::make_unique<TerminalShell>();
    return *Slot();
}

void Install(std::unique_ptr<Shell> shell) { Slot() = std::move(shell); }

void SetDesktopAreaProvider(std::function<bool(RECT*)> provider) { AreaProvider() = std::move(provider); }

RECT VisibleDesktop() {
    RECT rect{0, 0, 240, 294};
    RECT fromScreen{};
    if (AreaProvider() && AreaProvider()(&fromScreen)) rect = fromScreen;
    return rect;
}

static QString& PlatformTypeOverride() {
    static QString type;
    return type;
}

QString PlatformType() {
    return PlatformTypeOverride().isEmpty() ? QStringLiteral("PocketPC") : PlatformTypeOverride();
}

void SetPlatformType(const QString& type) { PlatformTypeOverride() = type; }

QString HelpFile() {
    QStringList dirs;
    const QString env = qEnvironmentVariable("ZONARIA_HELP_DIR");
    if (!env.isEmpty()) dirs << env;
    if (QCoreApplication::instance()) {
        const QString appDir = QCoreApplication::applicationDirPath();
        dirs << appDir + QStringLiteral("/help") << appDir + QStringLiteral("/../share/zonaria/help");
    }
    // The user's language has its own page in a folder named after it (help/de/Zonaria.htm),
    // with the same topic anchors; English is the page in the folder itself.
    QStringList languages;
    for (QString language : QLocale::system().uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language.startsWith(QLatin1String("en"), Qt::CaseInsensitive) || language == QLatin1String("C")) break;
        languages << language << language.section(QLatin1Char('_'), 0, 0);
    }
    languages << QString();
    for (const QString& language : std::as_const(languages)) {
        for (const QString& dir : dirs) {
            const QString file = QDir(dir).filePath(language.isEmpty() ? QStringLiteral("Zonaria.htm")
                                                                       : language + QStringLiteral("/Zonaria.htm"));
            if (QFileInfo(file).isFile()) return QFileInfo(file).canonicalFilePath();
        }
    }
    return QString();
}

QString HelpUrl(const QString& request) {
    // "file:Zonaria.htm#topic" or "file:Zonaria.htm"
    if (!request.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) return QString();
    QString rest = request.mid(5);
    QString topic;
    const int hash = rest.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        topic = rest.mid(hash + 1);
        rest = rest.left(hash);
    }
    if (rest.compare(QLatin1String("Zonaria.htm"), Qt::CaseInsensitive) != 0) return QString();
    const QString file = HelpFile();
    if (file.isEmpty()) return QString();
    QUrl url = QUrl::fromLocalFile(file);
    if (!topic.isEmpty()) url.setFragment(topic);
    return url.toString();
}

int TerminalShell::MessageBox(const QString& text, const QString& caption, UINT type) {
    const std::vector<int> buttons = Buttons(type);
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption.isEmpty() ? QStringLiteral("Zonaria") : caption),
                 qPrintable(text));
    if (buttons.size() == 1 || !isatty(STDIN_FILENO)) return DefaultButton(type);
    QStringList names;
    for (int id : buttons) names << ButtonName(id);
    for (;;) {
        std::fprintf(stderr, "[%s]? ", qPrintable(names.join(QLatin1Char('/'))));
        char* line = nullptr;
        std::size_t size = 0;
        const bool read = ::getline(&line, &size, stdin) >= 0;
        const QString answer = read ? QString::fromUtf8(line).trimmed() : QString();
        std::free(line);
        if (!read) return DefaultButton(type);
        if (answer.isEmpty()) return DefaultButton(type);
        for (int id : buttons) {
            if (ButtonName(id).startsWith(answer, Qt::CaseInsensitive)) return id;
        }
    }
}

bool TerminalShell::ShowHelp(const QString& request) {
    const QString url = HelpUrl(request);
    if (url.isEmpty()) return false;
    return QProcess::startDetached(QStringLiteral("xdg-open"), {url});
}

bool TerminalShell::StartProgram(const QString& program, const QStringList& arguments) {
    return za::process::StartDetached(program, arguments);
}

bool TerminalShell::GetSipInfo(SIPINFO* info) {
    if (!info || info->cbSize != sizeof(SIPINFO)) return false;
    info->fdwFlags = 0;  // there is no input panel on the desktop: it reads as hidden
    info->rcVisibleDesktop = VisibleDesktop();
    info->rcSipRect = RECT{0, 0, 0, 0};
    return true;
}

std::vector<RecordingShell::Call> RecordingShell::CallsOf(const QString& kind) const {
    std::vector<Call> out;
    for (const Call& c : m_calls) {
        if (c.kind == kind) out.push_back(c);
    }
    return out;
}

int RecordingShell::MessageBox(const QString& text, const QString& caption, UINT type) {
    int answer = DefaultButton(type);
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    m_calls.push_back({QStringLiteral("message"), text, caption, type, {}, answer});
    return answer;
}

bool RecordingShell::ShowHelp(const QString& request) {
    m_calls.push_back({QStringLiteral("help"), request, {}, 0, {}, m_helpResult});
    return m_helpResult;
}

bool RecordingShell::StartProgram(const QString& program, const QStringList& arguments) {
    m_calls.push_back({QStringLiteral("start"), program, {}, 0, arguments, m_startResult});
    return m_startResult;
}

bool RecordingShell::GetSipInfo(SIPINFO* info) {
    m_calls.push_back({QStringLiteral("sip"), {}, {}, 0, {}, m_sipResult});
    if (!m_sipResult || !info || info->cbSize != sizeof(SIPINFO)) return false;
    info->fdwFlags = 0;
    info->rcVisibleDesktop = VisibleDesktop();
    info->rcSipRect = RECT{0, 0, 0, 0};
    return true;
}

void RecordingShell::SetWaitCursor(bool on) {
    m_calls.push_back({QStringLiteral("wait"), on ? QStringLiteral("on") : QStringLiteral("off"), {}, 0, {}, 0});
}

ScopedRecorder::ScopedRecorder() {
    auto shell = std::make_unique<RecordingShell>();
    m_shell = shell.get();
    Install(std::move(shell));
}

ScopedRecorder::~ScopedRecorder() { Install(nullptr); }

}  // namespace za::shell

BOOL SystemParametersInfoW(UINT action, UINT uiParam, void* pv, UINT) {
    if (action != SPI_GETPLATFORMTYPE || !pv) return FALSE;
    const QString type = za::shell::PlatformType();
    const UINT bytes = static_cast<UINT>((type.size() + 1) * sizeof(WCHAR));
    if (uiParam < bytes) return FALSE;
    std::memcpy(pv, type.utf16(), bytes);
    return TRUE;
}
