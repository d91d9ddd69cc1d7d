#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The words of the program: every text a user reads is a whole source
// sentence, marked for translation where it is written and translated where
// it is shown. Below the windows nothing translates; the Qt layers hand in
// Words that do.

#include "texts/marker.h"

namespace tirovane::texts {

// Turns a marked source text into the text of the language in use.
class Words {
public:
    virtual ~Words() = default;
    // The source text itself: English, as the command-line tool, the saved
    // files and the exports write it.
    virtual std::string Translate(const char* context, const char* source) const;
    // A text that counts something, marked with QT_TRANSLATE_N_NOOP, with
    // "%n" replaced by the count n in the form the language takes for it.
    // The English source writes "(s)" where the plural adds an s: it is
    // left out for one and written "s" for any other count.
    virtual std::string TranslateCount(const char* context, const char* source, int n) const;
    // The language code ("en", "hi").
    virtual std::string_view Language() const;
};

// The English words.
const Words& English();

// The English form of a counted source text ("%n year(s)" of 1 is
// "1 year", of 5 "5 years").
std::string EnglishCount(std::string_view source, int n);

// The pattern with %1 .. %9 replaced by the arguments in their order; "%%"
// stays as it is, and a placeholder without its argument stays too.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

} // namespace tirovane::texts
