#pragma once

#include "reading/validation.h"
#include "texts/words.h"

#include <string>

// The messages of the entry's checks and key filters.

namespace tirovane::texts {

// "Please Enter Name", "Please enter only letters", ... in the language of
// the words (English: as the checks have always said it).
std::string ValidationMessage(InputProblem problem, const Words& words = English());

} // namespace tirovane::texts
