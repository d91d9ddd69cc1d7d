#pragma once

#include "texts/words.h"

#include <QString>
#include <vector>

// The words of the language in use, from Qt's translations, and the choice
// of that language: the windows and the report speak it; the command-line
// tool, the saved files and the exports keep the English source texts.

namespace tirovane {

// Every text translated by the translator installed now.
class QtWords final : public texts::Words {
public:
    std::string Translate(const char* context, const char* source) const override;
    std::string TranslateCount(const char* context, const char* source, int n) const override;
    std::string_view Language() const override;
};

// The words of the language installed now.
const texts::Words& CurrentWords();

// A language the program ships: its code and its name in its own script.
struct ShippedLanguage {
    const char* Code;       // "en", "hi"
    const char* NativeName; // "English", "हिन्दी"
};

const std::vector<ShippedLanguage>& ShippedLanguages();

bool IsShippedLanguage(const QString& code);

// The shipped language of a locale name ("hi_IN" gives "hi"), English
// where none is shipped.
QString LanguageOfLocale(const QString& localeName);

// The language a run starts in: the one asked for on the command line,
// else the one the user chose last, else the system's (English where none
// is shipped). A code asked for that is not shipped is put in `unknown`
// and English is used.
QString StartLanguage(const QString& requested, const QString& remembered,
                      const QString& localeName, QString* unknown = nullptr);

// Installs the translations of a shipped language ("en" removes them) and
// makes it the language in use; every window is sent a LanguageChange
// event. False, and English in use, for a code that is not shipped.
bool InstallLanguage(const QString& code);

// The code of the language in use ("en" at start).
QString LanguageInUse();

} // namespace tirovane
