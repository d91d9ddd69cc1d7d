#pragma once

#include "engine/engine_input.h"
#include "reading/birth_details.h"

// The engine's input for a person, computed once from the birth details.

namespace tirovane {

// The birth instant: the entered local date and clock time, the signed
// offset of the person's zone row and the daylight-saving hour.
engine::BirthInstant ComputeBirthInstant(const BirthDetails& details);

// The birth place in the engine's sign convention.
engine::GeoPlace PlaceOf(const BirthDetails& details);

// The instant and the place together.
engine::EngineInput MakeEngineInput(const BirthDetails& details);

} // namespace tirovane
