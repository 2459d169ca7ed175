// Shell services as replaceable interfaces: message boxes, the help viewer, starting programs
// and the input panel. The application installs Qt implementations at start, the CLI keeps the
// terminal one, tests install the recorder.
#pragma once

#include "wintypes.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

// Message box buttons, icons and answers, with the handheld's values.
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_RETRYCANCEL = 0x5;
constexpr UINT MB_TYPEMASK = 0xF;
constexpr UINT MB_ICONHAND = 0x10;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONASTERISK = 0x40;
constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr UINT MB_ICONMASK = 0xF0;
constexpr UINT MB_DEFBUTTON1 = 0x0;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_DEFBUTTON3 = 0x200;
constexpr UINT MB_DEFMASK = 0xF00;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The input panel's state and the part of the desktop it leaves visible.
struct SIPINFO {
    DWORD cbSize;
    DWORD fdwFlags;
    RECT rcVisibleDesktop;
    RECT rcSipRect;
    DWORD dwImDataSize;
    void* pvImData;
};
constexpr DWORD SIPF_ON = 0x1;
constexpr UINT SPI_GETPLATFORMTYPE = 257;

// SPI_GETPLATFORMTYPE: the platform's type text into pv, a buffer of uiParam bytes. Other
// actions, or a buffer too small, give FALSE.
BOOL SystemParametersInfoW(UINT action, UINT uiParam, void* pv, UINT winIni);
constexpr UINT SPI_GETSIPINFO = 225;

namespace za::shell {

// The buttons a message box of this type offers, in order (IDOK, IDCANCEL, ...).
std::vector<int> Buttons(UINT type);
// The button chosen when the user just confirms: the default button of the type.
int DefaultButton(UINT type);

class Shell {
public:
    virtual ~Shell() = default;
    // Shows the text and returns the button pressed (IDOK, IDYES, ...).
    virtual int MessageBox(const QString& text, const QString& caption, UINT type) = 0;
    // "file:Zonaria.htm#topic": opens that page of the help file; false when it cannot.
    virtual bool ShowHelp(const QString& request) = 0;
    // Starts program with arguments, detached, never through a shell command line.
    virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
    // The input panel: false when there is none to ask.
    virtual bool GetSipInfo(SIPINFO* info) = 0;
    // Shows (on) or removes (off) the wait cursor around a long operation; calls nest.
    virtual void SetWaitCursor(bool on) = 0;
};


// The shell in use. Defaults to the terminal shell.
Shell& Current();
// Installs a shell (the previous one is destroyed); null restores the terminal shell.
void Install(std::unique_ptr<Shell> shell);

// Shows the wait cursor for the life of this object.
class WaitCursor {
public:
    WaitCursor() { Current().SetWaitCursor(true); }
    ~WaitCursor() { Current().SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The desktop area that is visible to the program: the application's screen, or 240 x 294
// where there is no screen. Libraries with access to the screen set the provider.
void SetDesktopAreaProvider(std::function<bool(RECT*)> provider);
RECT VisibleDesktop();

// The platform's type text, as the handheld's system parameter gives it: "PocketPC", unless
// a test set another (an empty text restores it).
QString PlatformType();
void SetPlatformType(const QString& type);

// Where the help file lives: $ZONARIA_HELP_DIR, else <program dir>/help, else
// <program dir>/../share/zonaria/help. Empty when it is not found.
QString HelpFile();
// The file URL that a help request names; empty when the request is not a help request or
// the file is missing.
QString HelpUrl(const QString& request);

// Writes to standard error; answers questions from standard input when it is a terminal and
// with the default button otherwise. Help opens in the desktop's browser with xdg-open.
class TerminalShell : public Shell {
public:
    int MessageBox(const QString& text, const QString& caption, UINT type) override;
    bool ShowHelp(const QString& request) override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;
    bool GetSipInfo(SIPINFO* info) override;
    void SetWaitCursor(bool) override {}
};

// Answers message boxes with scripted buttons (the default button when the script is empty)
// and remembers every call.
class RecordingShell : public Shell {
public:
    struct Call {
        QString kind;  // "message", "help", "start", "sip", "wait" (text "on" or "off")
        QString text;
        QString caption;
        UINT type = 0;
        QStringList arguments;
        int answer = 0;
    };

    void ScriptAnswers(std::initializer_list<int> answers) { m_answers.insert(m_answers.end(), answers); }
    void SetHelpResult(bool ok) { m_helpResult = ok; }
    void SetStartResult(bool ok) { m_startResult = ok; }
    void SetSipResult(bool ok) { m_sipResult = ok; }
    const std::vector<Call>& Calls() const { return m_calls; }
    std::vector<Call> CallsOf(const QString& kind) const;
    void Clear() { m_calls.clear(); }

    int MessageBox(const QString& text, const QString& caption, UINT type) override;
    bool ShowHelp(const QString& request) override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;
    bool GetSipInfo(SIPINFO* info) override;
    void SetWaitCursor(bool on) override;

private:
    std::deque<int> m_answers;
    std::vector<Call> m_calls;
    bool m_helpResult = true;
    bool m_startResult = true;
    bool m_sipResult = true;
};

// Installs a RecordingShell for the life of this object and restores the terminal shell.
class ScopedRecorder {
public:
    ScopedRecorder();
    ~ScopedRecorder();
    ScopedRecorder(const ScopedRecorder&) = delete;
    ScopedRecorder& operator=(const ScopedRecorder&) = delete;
    RecordingShell& operator*() { return *m_shell; }
    RecordingShell* operator->() { return m_shell; }

private:
    RecordingShell* m_shell;
};

}  // namespace za::shell
