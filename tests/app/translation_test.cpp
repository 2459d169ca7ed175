// Every text the window and its dialogs show goes through the translator: under a pseudo-locale
// that wraps and accents each translated text ("⟦Šét Tímé...⟧"), no visible text, tool tip or
// accessible name may keep English words outside the wrapping (only the cities' own data and the
// locale's dates may), and no label or button may be cut off by its control. Then the window in
// German, whose texts are the longest, and in Arabic, written from the right.
#include "tooltest.h"

#include "aboutdlg.h"
#include "alarm.h"
#include "alarmsdlg.h"
#include "basepropertysheet.h"
#include "citiesdlg.h"
#include "cityeditor.h"
#include "citylist.h"
#include "citylistdlg.h"
#include "distancecalcdlg.h"
#include "citypicker.h"
#include "localetext.h"
#include "mainframe.h"
#include "mainview.h"
#include "meetingplannerdlg.h"
#include "moonrisedlg.h"
#include "preferencesdlg.h"
#include "setalarmdlg.h"
#include "settimedlg.h"
#include "sunrisedlg.h"
#include "timecalcdlg.h"
#include "translation.h"
#include "tzlist.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTimer>
#include <QTest>
#include <QTimeEdit>
#include <QTranslator>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

using namespace za::app;
using za::test::ToolTest;

namespace {

const QChar kOpen(0x27E6);   // ⟦
const QChar kClose(0x27E7);  // ⟧

// The pseudo-translation of an English text: wrapped, its letters accented, its printf and Qt
// arguments (%s, %.0f, %2$s, %1), accelerators (&) and travel-mode speeds ("2~") kept.
QString Pseudo(const QString& source) {
    static const QString plain = QStringLiteral("aeiouAEIOUcnszyCNSZY");
    static const QString accented = QStringLiteral("áéíóúÁÉÍÓÚçñšžýÇÑŠŽÝ");
    static const QRegularExpression argument(QStringLiteral(R"(^%(\d+\$)?[-+ 0#]*\d*(\.\d+)?[lh]*[a-zA-Z%]|^%\d)"));
    QString prefix;
    QString text = source;
    static const QRegularExpression speed(QStringLiteral(R"(^\d+~)"));
    const QRegularExpressionMatch m = speed.match(text);
    if (m.hasMatch()) {
        prefix = m.captured();
        text = text.mid(prefix.size());
    }
    QString out;
    for (int i = 0; i < text.size();) {
        if (text.at(i) == QLatin1Char('%')) {
            const QRegularExpressionMatch a = argument.match(QStringView(text).mid(i));
            if (a.hasMatch()) {
                out += a.captured();
                i += a.capturedLength();
                continue;
            }
        }
        const int k = plain.indexOf(text.at(i));
        out += k >= 0 ? accented.at(k) : text.at(i);
        ++i;
    }
    return prefix + kOpen + out + kClose;
}

class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return source && *source ? Pseudo(QString::fromUtf8(source)) : QString();
    }
};

// The texts of the data the windows show rather than translate: city names and countries,
// airport codes, time zone names.
QStringList DataTexts() {
    QStringList data;
    CCityList& list = GetCityList();
    list.LoadCityNames();
    const int count = list.GetCityCount();
    if (list.BeginLoadCityByIndex()) {
        for (long i = 0; i < count; ++i) {
            CCity city;
            if (list.LoadCity(i, city)) data << city.Name() << city.CountryName() << city.AirportCode();
        }
        list.EndLoadCityByIndex();
    }
    CTimeZoneList& zones = GetTZList();
    for (int i = 0; i < zones.GetCount(); ++i) data << zones.GetName(i);
    data.removeAll(QString());
    data.removeDuplicates();
    // The longest first, so that a name is not taken apart by a shorter one inside it.
    std::sort(data.begin(), data.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return data;
}

struct Finding {
    QString where;
    QString text;
};

class WidgetTexts {
public:
    explicit WidgetTexts(const QStringList& data) : m_data(data) {}

    // Whether text shows English that did not come through the translator.
    bool Untranslated(const QString& text) const {
        QString rest;
        bool inside = false;
        for (QChar c : text) {
            if (c == kOpen) inside = true;
            else if (c == kClose) inside = false;
            else if (!inside) rest += c;
        }
        for (const QString& d : m_data) {
            if (rest.contains(d)) rest.remove(d);
        }
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
        return word.match(rest).hasMatch();
    }

    void Text(const QString& where, const QString& text) {
        if (text.isEmpty()) return;
        ++checked;
        if (text.contains(kOpen)) ++wrapped;
        if (Untranslated(text)) untranslated.push_back({where, text});
    }

    void Actions(const QString& where, const QList<QAction*>& actions) {
        for (QAction* a : actions) {
            if (a->isSeparator()) continue;
            Text(where + QStringLiteral(" action"), a->text());
            if (a->menu()) Actions(where + QLatin1Char('/') + a->text(), a->menu()->actions());
        }
    }

    // Every visible control of window: its texts, and whether it has room for them.
    void Window(QWidget* window, const QString& name) {
        Text(name + QStringLiteral(" title"), window->windowTitle());
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* w : std::as_const(widgets)) {
            if (!w->isVisibleTo(window) && w != window) continue;
            const QString where = name + QLatin1Char('/') + QString::fromLatin1(w->metaObject()->className()) +
                                  QLatin1Char('#') + w->objectName();
            Text(where + QStringLiteral(" tool tip"), w->toolTip());
            Text(where + QStringLiteral(" accessible name"), w->accessibleName());
            Text(where + QStringLiteral(" accessible description"), w->accessibleDescription());
            if (auto* label = qobject_cast<QLabel*>(w)) {
                Text(where, label->text());
                if (label->text().isEmpty() || label->wordWrap()) {
                    if (label->wordWrap() && label->heightForWidth(label->width()) > label->height()) {
                        cutOff.push_back({where, label->text()});
                    }
                } else if (label->width() < label->sizeHint().width()) {
                    cutOff.push_back({where, label->text()});
                }
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                Text(where, button->text());
                if (!button->text().isEmpty() && button->width() < button->sizeHint().width()) {
                    cutOff.push_back({where, button->text()});
                }
            } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
                if (!combo->isEditable()) {
                    for (int i = 0; i < combo->count(); ++i) Text(where, combo->itemText(i));
                }
            } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                Text(where + QStringLiteral(" placeholder"), edit->placeholderText());
            } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
                for (int i = 0; i < tabs->count(); ++i) Text(where, tabs->tabText(i));
            } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
                if (header->model()) {
                    for (int i = 0; i < header->count(); ++i) {
                        Text(where, header->model()->headerData(i, header->orientation()).toString());
                    }
                }
            } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
                Actions(where, bar->actions());
            }
            if (auto* menu = qobject_cast<QMenu*>(w)) Actions(where, menu->actions());
        }
    }

    std::vector<Finding> untranslated;
    std::vector<Finding> cutOff;
    int checked = 0;  // texts looked at
    int wrapped = 0;  // of them, those that came through the translator

private:
    QStringList m_data;
};

QString Report(const std::vector<Finding>& findings) {
    QString out;
    for (const Finding& f : findings) out += f.where + QStringLiteral(": \"") + f.text + QStringLiteral("\"\n");
    return out;
}

class PseudoLocaleTest : public ToolTest {
protected:
    void SetUp() override {
        QCoreApplication::installTranslator(&translator);
        // Dates and times in a script of their own, so that what is left in Latin letters is
        // either data or a text that missed the translator.
        za::locale::SetUserLocale(QLocale(QLocale::Greek, QLocale::Greece));
        ToolTest::SetUp();
        texts = std::make_unique<WidgetTexts>(DataTexts());
    }
    void TearDown() override { QCoreApplication::removeTranslator(&translator); }

    // Shows the dialog at its own size and looks at it.
    void Look(QWidget* dialog, const QString& name) {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog)) << qPrintable(name);
        QCoreApplication::processEvents();
        texts->Window(dialog, name);
        dialog->hide();
    }

    PseudoTranslator translator;
    std::unique_ptr<WidgetTexts> texts;
};

}  // namespace

TEST(PseudoLocale, TheTransformWrapsTextButKeepsItsArguments) {
    EXPECT_EQ(QStringLiteral("⟦Šét Tímé...⟧"), Pseudo(QStringLiteral("Set Time...")));
    EXPECT_EQ(QStringLiteral("⟦Šávé çháñgéš tó %s?⟧"), Pseudo(QStringLiteral("Save changes to %s?")));
    EXPECT_TRUE(Pseudo(QStringLiteral("%.0f km/hour")).contains(QStringLiteral("%.0f ")));
    EXPECT_TRUE(Pseudo(QStringLiteral("2~Walk")).startsWith(QStringLiteral("2~")));
    EXPECT_TRUE(Pseudo(QStringLiteral("%d hours %2$02d min")).contains(QStringLiteral("%2$02d")));
    WidgetTexts check({QStringLiteral("Tokyo")});
    EXPECT_FALSE(check.Untranslated(Pseudo(QStringLiteral("City in %s")).replace(QStringLiteral("%s"), QStringLiteral("Tokyo"))));
    EXPECT_TRUE(check.Untranslated(QStringLiteral("Tokyo - Set Time")));
    EXPECT_FALSE(check.Untranslated(QStringLiteral("Tokyo 12:05")));
}

TEST(PseudoLocale, TheCheckFindsAnUntranslatedLabelAndACutOffButton) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(Pseudo(QStringLiteral("Time Zone:")), &window));
    layout->addWidget(new QLabel(QStringLiteral("Time Zone:"), &window));
    auto* button = new QPushButton(Pseudo(QStringLiteral("Synchronize to Internet Time")), &window);
    button->setFixedWidth(40);
    layout->addWidget(button);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    WidgetTexts texts({});
    texts.Window(&window, QStringLiteral("window"));
    ASSERT_EQ(1u, texts.untranslated.size());
    EXPECT_EQ(QStringLiteral("Time Zone:"), texts.untranslated.front().text);
    ASSERT_EQ(1u, texts.cutOff.size());
    EXPECT_EQ(button->text(), texts.cutOff.front().text);
}

TEST_F(PseudoLocaleTest, EveryTextOfTheWindowAndItsDialogsGoesThroughTheTranslator) {
    CMainFrame& frame = Frame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    // With the first start's welcome over the map.
    frame.View().ShowWelcome();
    QCoreApplication::processEvents();
    ASSERT_TRUE(frame.View().IsWelcomeShown());
    texts->Window(&frame, QStringLiteral("main window"));
    {
        // The city picker of a display, looked at while it waits for a choice.
        CCityPickerPopup& picker = CCityPickerPopup::Instance();
        QTimer::singleShot(0, &frame, [&] {
            if (picker.Window()) texts->Window(picker.Window(), QStringLiteral("City picker"));
            picker.Cancel();
        });
        QString chosen;
        EXPECT_FALSE(picker.Show(QPoint(10, 10), QStringLiteral("Tokyo"), &frame, &chosen));
        ASSERT_TRUE(picker.Window());
    }

    const CCity tokyo = LoadCity(QStringLiteral("Tokyo"));
    const CCity london = LoadCity(QStringLiteral("London"));
    {
        CPreferencesDlg dlg(&frame);
        Look(&dlg, QStringLiteral("Preferences"));
    }
    {
        CSetTimeDlg dlg(&frame);
        Look(&dlg, QStringLiteral("Set Time"));
    }
    {
        CTimeCalcDlg dlg(&frame);
        Look(&dlg, QStringLiteral("Time Calculator"));
    }
    {
        CDistanceCalcDlg dlg(london, tokyo, &frame);
        Look(&dlg, QStringLiteral("Distance Calculator"));
    }
    {
        CSunriseDlg dlg(tokyo, &frame);
        Look(&dlg, QStringLiteral("Sunrise"));
    }
    {
        CMoonriseDlg dlg(tokyo, &frame);
        Look(&dlg, QStringLiteral("Moonrise"));
    }
    {
        // With no alarm the dialog goes straight to a new one; one alarm keeps it open.
        CAlarm alarm(tokyo);
        ASSERT_TRUE(alarm.Register());
        CAlarmsDlg dlg(tokyo, &frame);
        Look(&dlg, QStringLiteral("Alarms"));
    }
    {
        CSetAlarmDlg dlg(CAlarm(tokyo), &frame);
        Look(&dlg, QStringLiteral("Set Alarm"));
    }
    {
        CCitiesDlg dlg(&frame);
        Look(&dlg, QStringLiteral("Cities"));
    }
    {
        CPhoneCodesDlg dlg(&frame);
        Look(&dlg, QStringLiteral("Phone Codes"));
    }
    {
        CAirportCodesDlg dlg(&frame);
        Look(&dlg, QStringLiteral("Airport Codes"));
    }
    {
        // A date on which London's clocks change, so that its 25-hour day is named as well.
        SYSTEMTIME date{};
        date.wYear = 2026;
        date.wMonth = 10;
        date.wDay = 25;
        CMeetingPlannerDlg dlg(&frame, {tokyo, london, LoadCity(QStringLiteral("New York, NY"))}, date, 9);
        Look(&dlg, QStringLiteral("Meeting Planner"));
    }
    {
        CAboutDlg dlg(&frame);
        Look(&dlg, QStringLiteral("About"));
    }
    {
        CCity city = tokyo;
        std::unique_ptr<CBasePropertySheet> sheet = CreateCitySheet(&frame, city, false);
        for (int i = 0; i < sheet->GetPageCount(); ++i) {
            sheet->SetActivePage(sheet->GetPage(i));
            Look(sheet.get(), QStringLiteral("City editor page %1").arg(i));
        }
    }
    // The look went through every window: hundreds of texts, nearly all of them translated.
    EXPECT_GT(texts->checked, 200);
    EXPECT_GT(texts->wrapped, 150);
    EXPECT_TRUE(texts->untranslated.empty()) << "Texts that missed the translator:\n"
                                             << qPrintable(Report(texts->untranslated));
    EXPECT_TRUE(texts->cutOff.empty()) << "Texts cut off by their control:\n" << qPrintable(Report(texts->cutOff));
}

namespace {

// The window under a real language: the translation the build made from translations/, the
// layout direction the locale writes in, and its dates and times.
class LanguageTest : public ToolTest {
protected:
    void Use(const QLocale& locale) {
        qputenv("ZONARIA_TRANSLATIONS", ZONARIA_TRANSLATIONS_DIR);
        translated = za::i18n::InstallTranslations(locale);
        za::locale::SetUserLocale(locale);
        QGuiApplication::setLayoutDirection(locale.textDirection());
        ToolTest::SetUp();
    }
    void SetUp() override {}
    void TearDown() override {
        za::i18n::InstallTranslations(QLocale::c());
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        qunsetenv("ZONARIA_TRANSLATIONS");
    }

    bool translated = false;
};

QString MenuTitle(CMainFrame& frame, int i) { return frame.menuBar()->actions().value(i)->text(); }

}  // namespace

TEST_F(LanguageTest, GermanWindowAndDialogsReadGermanAndNothingIsCutOff) {
    Use(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(translated) << "no zonaria_de.qm in " ZONARIA_TRANSLATIONS_DIR;
    CMainFrame& frame = Frame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_EQ(QStringLiteral("&Extras"), MenuTitle(frame, 0));
    EXPECT_EQ(QStringLiteral("&Einstellungen"), MenuTitle(frame, 1));
    EXPECT_EQ(QStringLiteral("&Wecker..."), frame.menuBar()->actions().value(0)->menu()->actions().value(0)->text());
    za::test::SaveShot(frame, QStringLiteral("language-de-main.png"));

    WidgetTexts texts({});
    CPreferencesDlg preferences(&frame);
    ASSERT_TRUE(SaveLook(&preferences, QStringLiteral("language-de-preferences")));
    texts.Window(&preferences, QStringLiteral("Preferences"));
    EXPECT_EQ(QStringLiteral("Optionen"), preferences.windowTitle());
    CSetTimeDlg setTime(&frame);
    ASSERT_TRUE(SaveLook(&setTime, QStringLiteral("language-de-settime")));
    texts.Window(&setTime, QStringLiteral("Set Time"));
    CDistanceCalcDlg distance(LoadCity(QStringLiteral("London")), LoadCity(QStringLiteral("Tokyo")), &frame);
    ASSERT_TRUE(SaveLook(&distance, QStringLiteral("language-de-distance")));
    texts.Window(&distance, QStringLiteral("Distance Calculator"));
    SYSTEMTIME date{};
    date.wYear = 2026;
    date.wMonth = 10;
    date.wDay = 25;
    CMeetingPlannerDlg planner(&frame, {LoadCity(QStringLiteral("London")), LoadCity(QStringLiteral("Tokyo"))}, date, 9);
    ASSERT_TRUE(SaveLook(&planner, QStringLiteral("language-de-planner")));
    texts.Window(&planner, QStringLiteral("Meeting Planner"));
    EXPECT_EQ(QStringLiteral("Besprechungsplaner"), planner.windowTitle());
    EXPECT_TRUE(texts.cutOff.empty()) << "Texts cut off by their control:\n" << qPrintable(Report(texts.cutOff));
}

TEST_F(LanguageTest, ArabicLaysTheWindowOutFromTheRightWithArabicIndicDigits) {
    Use(QLocale(QLocale::Arabic, QLocale::Egypt));
    CMainFrame& frame = Frame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_EQ(Qt::RightToLeft, frame.layoutDirection());
    // The menu bar starts at the right: its first menu lies right of its last.
    QMenuBar* bar = frame.menuBar();
    const QList<QAction*> menus = bar->actions();
    ASSERT_GE(menus.size(), 2);
    EXPECT_GT(bar->actionGeometry(menus.first()).x(), bar->actionGeometry(menus.last()).x());
    EXPECT_GT(bar->actionGeometry(menus.first()).center().x(), bar->width() / 2);

    // Times in Arabic-Indic digits, and no Latin digit among them.
    CCityDisplay& display = frame.View().Display(1);
    const QString time = display.TimeText();
    EXPECT_TRUE(std::any_of(time.begin(), time.end(), [](QChar c) { return c.unicode() >= 0x0660 && c.unicode() <= 0x0669; }))
        << qPrintable(time);
    EXPECT_FALSE(std::any_of(time.begin(), time.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }))
        << qPrintable(time);
    // The display is mirrored: its current-city button at the right edge, its change-city one
    // left of the name.
    QAbstractButton* current = nullptr;
    QAbstractButton* change = nullptr;
    for (QAbstractButton* b : display.findChildren<QAbstractButton*>()) {
        if (b->accessibleName() == QStringLiteral("Set as Current City")) current = b;
        if (b->accessibleName() == QStringLiteral("Select a City")) change = b;
    }
    ASSERT_TRUE(current && change);
    EXPECT_GT(current->geometry().left(), display.width() * 3 / 4);
    EXPECT_LT(change->geometry().left(), current->geometry().left());
    za::test::SaveShot(frame, QStringLiteral("language-ar-main.png"));
    CPreferencesDlg preferences(&frame);
    ASSERT_TRUE(SaveLook(&preferences, QStringLiteral("language-ar-preferences")));
    // A time is written hours first, left to right, among right-to-left texts too: a time field
    // laid out right to left would show 09:00 as "00:09".
    const QList<QTimeEdit*> times = preferences.findChildren<QTimeEdit*>();
    ASSERT_FALSE(times.isEmpty());
    for (QTimeEdit* time : times) EXPECT_EQ(Qt::LeftToRight, time->layoutDirection());
    CSunriseDlg sunrise(LoadCity(QStringLiteral("Tokyo")), &frame);
    ASSERT_TRUE(SaveLook(&sunrise, QStringLiteral("language-ar-sunrise")));
}
