#pragma once

#include "engine/birth_instant.h"

// The engine's one set of inputs for a person: the birth instant and the
// birth place, both computed once from the entered details.

namespace tirovane::engine {

struct EngineInput {
    BirthInstant Instant;
    GeoPlace Place;

    friend bool operator==(const EngineInput&, const EngineInput&) = default;
};

} // namespace tirovane::engine
