#include "output/qt_words.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

namespace tirovane {

namespace {

QString& InUse() {
    static QString code = QStringLiteral("en");
    return code;
}

std::unique_ptr<QTranslator>& Installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

std::string QtWords::Translate(const char* context, const char* source) const {
    return QCoreApplication::translate(context, source).toStdString();
}

std::string QtWords::TranslateCount(const char* context, const char* source, int n) const {
    // English has no translation file: its two forms come from the source.
    if (InUse() == QLatin1String("en")) {
        return texts::EnglishCount(source, n);
    }
    return QCoreApplication::translate(context, source, nullptr, n).toStdString();
}

std::string_view QtWords::Language() const {
    static std::string code;
    code = InUse().toStdString();
    return code;
}

const texts::Words& CurrentWords() {
    static const QtWords words;
    return words;
}

const std::vector<ShippedLanguage>& ShippedLanguages() {
    static const std::vector<ShippedLanguage> languages = {
        {"en", "English"},
        {"hi", "\u0939\u093F\u0928\u094D\u0926\u0940"},
        {"mr", "\u092E\u0930\u093E\u0920\u0940"},
        {"bn", "\u09AC\u09BE\u0982\u09B2\u09BE"},
        {"ta", "\u0BA4\u0BAE\u0BBF\u0BB4\u0BCD"},
        {"te", "\u0C24\u0C46\u0C32\u0C41\u0C17\u0C41"},
        {"kn", "\u0C95\u0CA8\u0CCD\u0CA8\u0CA1"},
        {"ml", "\u0D2E\u0D32\u0D2F\u0D3E\u0D33\u0D02"},
    };
    return languages;
}

bool IsShippedLanguage(const QString& code) {
    for (const ShippedLanguage& language : ShippedLanguages()) {
        if (code == QLatin1String(language.Code)) {
            return true;
        }
    }
    return false;
}

QString LanguageOfLocale(const QString& localeName) {
    const QString code = localeName.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0);
    return IsShippedLanguage(code) ? code : QStringLiteral("en");
}

QString StartLanguage(const QString& requested, const QString& remembered,
                      const QString& localeName, QString* unknown) {
    if (!requested.isEmpty()) {
        if (IsShippedLanguage(requested)) {
            return requested;
        }
        if (unknown != nullptr) {
            *unknown = requested;
        }
        return QStringLiteral("en");
    }
    if (IsShippedLanguage(remembered)) {
        return remembered;
    }
    return LanguageOfLocale(localeName);
}

bool InstallLanguage(const QString& code) {
    const bool shipped = IsShippedLanguage(code);
    const QString wanted = shipped ? code : QStringLiteral("en");
    if (wanted == InUse()) {
        return shipped;
    }
    // Removing and installing a translator each post a LanguageChange event
    // to every window.
    if (Installed()) {
        QCoreApplication::removeTranslator(Installed().get());
        Installed().reset();
    }
    if (wanted != QLatin1String("en")) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral(":/i18n/tirovane_%1.qm").arg(wanted))) {
            QCoreApplication::installTranslator(translator.get());
            Installed() = std::move(translator);
        }
    }
    InUse() = Installed() ? wanted : QStringLiteral("en");
    return shipped && InUse() == wanted;
}

QString LanguageInUse() {
    return InUse();
}

} // namespace tirovane
