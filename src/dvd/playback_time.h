// DVD playback times: four bytes of BCD hours, minutes and seconds and a frame byte
// whose two high bits select the frame rate (01 = 25, 11 = 30 per second) and whose low
// six bits hold the frame number in BCD.
#pragma once

#include <cstdint>
#include <string>

#include "dvd/file_image.h"

namespace dvd {

// The playback time at `position` as a nanosecond timecode (HH:MM:SS.nnnnnnnnn).
// Hours, minutes and seconds are the hexadecimal digits of their bytes, unchecked ("1A"
// stays "1A"). The fraction is frame number / rate (30 exactly, not 29.97), truncated to
// nine digits; a frame number of at least the rate gives only its fractional part. The
// frame byte 0x96 leaves the fraction empty ("01:00:00.").
// Fails with "Stream read error" when the four bytes lie outside the image, and with
// ""XX" is an invalid float" when the frame byte less 0x40 (below 0x96) or 0xC0 (above)
// is no two-digit decimal number; XX is that value in hexadecimal, eight digits when it
// is negative (frame byte 0x00 gives "FFFFFFC0").
std::string ReadPlaybackTime(const FileImage& image, std::int64_t position);

}  // namespace dvd
