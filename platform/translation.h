// The user's language. Every text the programs show passes through Qt's translator: the numbered
// string tables by module name (the context) and number (the disambiguation), texts written in
// code by tr() or QCoreApplication::translate(). The translations are Qt Linguist files,
// zonaria_LANG.qm, in share/zonaria/translations beside the program's folder (build/share/... in
// the build tree, PREFIX/share/... once installed).
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace za::i18n {

// Where the programs look for zonaria_LANG.qm, first match winning: $ZONARIA_TRANSLATIONS when
// set, then ../share/zonaria/translations and translations/ beside the program.
QStringList TranslationFolders();

// Installs Zonaria's translation for locale's languages, and Qt's own (the standard buttons, the
// line edits' menus), into the running QCoreApplication. Returns whether Zonaria's was found; the
// English texts stay where none is. A second call replaces the first one's translators.
bool InstallTranslations(const QLocale& locale = QLocale::system());

// The text of a translated table entry or code text: source in English, context and
// disambiguation as lupdate extracted them, n >= 0 choosing a plural form.
QString Translate(const char* context, const QString& source, const char* disambiguation = nullptr, int n = -1);

}  // namespace za::i18n
