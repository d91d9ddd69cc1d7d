#pragma once

#include "reading/reading.h"
#include "cli/json_io.h"

// The precise ephemeris on the command line: `--precise` computes every
// chart with it; `--cross-check` adds to every chart of the described engine
// its check against it.

namespace tirovane::cli {

struct EngineOptions {
    bool Precise = false;
    bool CrossCheck = false;
};

// {"Agrees": ..., "Differing": [...], "Precise": {the seven values},
// "Notice": "..."}; when the precise engine failed, "Precise" is null and
// "error" says why.
Json CrossCheckToJson(const PersonCrossCheck& check);

// Whether the positions came from the library's analytic theory.
void AddPreciseSource(Json& chart, const PersonChart& computed);

} // namespace tirovane::cli
