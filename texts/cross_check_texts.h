#pragma once

#include "reading/cross_check.h"
#include "texts/words.h"

#include <string>
#include <string_view>

// What the cross-check against the precise ephemeris says, made from its
// numbers in the language of the words.

namespace tirovane::texts {

// "0°12′ Leo": whole degrees and minutes within the sign, truncated as the
// position texts truncate them, and the sign's name.
std::string NoticePosition(double longitude, const Words& words = English());

// The sentence shown when the precise positions came from the library's
// analytic theory (its ephemeris files missing).
std::string AnalyticFallbackNotice(const Words& words = English());

// "The precise ephemeris could not compute this chart: <why>."
std::string PreciseFailureNotice(std::string_view why, const Words& words = English());

// Sentences saying what differs and why it matters, or why the precise
// engine failed; empty when every item agrees.
std::string CrossCheckNotice(const CrossCheck& check, const Words& words = English());

} // namespace tirovane::texts
