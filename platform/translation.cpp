#include "translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace za::i18n {
namespace {

struct Installed {
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

}  // namespace

QStringList TranslationFolders() {
    QStringList folders;
    const QString fromEnvironment = qEnvironmentVariable("ZONARIA_TRANSLATIONS");
    if (!fromEnvironment.isEmpty()) folders << fromEnvironment;
    const QDir beside(QCoreApplication::applicationDirPath());
    folders << QDir::cleanPath(beside.filePath(QStringLiteral("../share/zonaria/translations")))
            << beside.filePath(QStringLiteral("translations"));
    return folders;
}

bool InstallTranslations(const QLocale& locale) {
    Installed& installed = Current();
    for (auto* t : {installed.own.get(), installed.qt.get()}) {
        if (t) QCoreApplication::removeTranslator(t);
    }
    installed = Installed{};
    // English is the source language: an English locale needs no file, and a stray zonaria_en.qm
    // must not shadow the texts.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) return false;

    bool found = false;
    for (const QString& folder : TranslationFolders()) {
        auto own = std::make_unique<QTranslator>();
        if (own->load(locale, QStringLiteral("zonaria"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(own.get());
            installed.own = std::move(own);
            found = true;
            break;
        }
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        installed.qt = std::move(qt);
    }
    return found;
}

QString Translate(const char* context, const QString& source, const char* disambiguation, int n) {
    if (source.isEmpty()) return source;
    return QCoreApplication::translate(context, source.toUtf8().constData(), disambiguation, n);
}

}  // namespace za::i18n
