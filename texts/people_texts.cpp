#include "texts/people_texts.h"

namespace tirovane::texts {

namespace {

std::string P(const Words& words, const char* source) {
    return words.Translate("People", source);
}

} // namespace

std::string LibraryErrorText(const people::Error& error, const std::string& path,
                             const Words& words) {
    using people::Problem;
    switch (error.Kind) {
    case Problem::Missing:
        return Fill(P(words, QT_TRANSLATE_NOOP("People", "There is no people library at %1.")),
                    {path});
    case Problem::NotALibrary:
        return Fill(P(words, QT_TRANSLATE_NOOP("People", "%1 is not a people library; it was "
                                                         "left as it was.")),
                    {path});
    case Problem::Newer:
        return Fill(P(words, QT_TRANSLATE_NOOP("People", "The people library %1 was written by a "
                                                         "newer version of Tirovane.")),
                    {path});
    case Problem::ReadOnly:
        return Fill(P(words, QT_TRANSLATE_NOOP("People", "The people library %1 cannot be "
                                                         "changed: it is read-only.")),
                    {path});
    case Problem::Busy:
        return Fill(P(words, QT_TRANSLATE_NOOP("People", "The people library %1 is in use by "
                                                         "another program; try again in a "
                                                         "moment.")),
                    {path});
    case Problem::NoSuchPerson:
        return P(words, QT_TRANSLATE_NOOP("People", "There is no such person in the library."));
    case Problem::Failed:
        break;
    }
    return Fill(P(words, QT_TRANSLATE_NOOP("People", "The people library %1 could not be used: "
                                                     "%2.")),
                {path, error.Detail});
}

std::string NoSuchPersonText(std::int64_t id, const Words& words) {
    return Fill(
        P(words, QT_TRANSLATE_NOOP("People", "There is no person with Id %1 in the library.")),
        {std::to_string(id)});
}

std::string AlreadyThereText(const std::string& name, std::int64_t id, const Words& words) {
    return Fill(P(words, QT_TRANSLATE_NOOP("People", "%1 is already in the library (Id %2).")),
                {name, std::to_string(id)});
}

std::string NothingImportedText(std::size_t badLines, const Words& words) {
    return words.TranslateCount(
        "People", QT_TRANSLATE_N_NOOP("People", "Nothing was imported: %n bad line(s)."),
        static_cast<int>(badLines));
}

} // namespace tirovane::texts
