// Chapter times as text. A nanosecond timecode is HH:MM:SS.nnnnnnnnn (at least two hour
// digits, no wrap at 24 hours); a millisecond timecode is that text less its last six
// characters.
#pragma once

#include <string>
#include <string_view>

namespace chapters {

inline constexpr std::string_view kZeroTimecode = "00:00:00.000000000";

// The value in plain decimal, rounded to 15 significant digits, trailing fraction zeros
// (and a bare point) dropped: 5025.123466666667 gives "5025.12346666667", 120 gives
// "120". Independent of the locale.
std::string FifteenDigitText(double value);

// Reads decimal text as FifteenDigitText writes it (no locale).
double ReadDecimal(std::string_view text);

// Seconds (0 or more) as a nanosecond timecode; the fraction is cut, not rounded, to nine
// digits after the rounding to 15 significant digits.
std::string SecondsToTimecode(double seconds);

// The seconds a timecode stands for; accepts the nanosecond and millisecond forms and a
// form without fraction. Fails with ""piece" is an invalid float" when a piece is no
// number.
double TimecodeToSeconds(std::string_view timecode);

// The millisecond form of a nanosecond timecode (its last six characters dropped).
std::string MillisecondTimecode(std::string_view timecode);

}  // namespace chapters
