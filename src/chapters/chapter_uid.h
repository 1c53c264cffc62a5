// Matroska chapter and edition UIDs.
#pragma once

#include <string>

namespace chapters {

// The next UID of the run: 19 decimal digits from one process-wide MT19937 generator
// seeded with 0, so every run draws the same sequence.
std::string NewChapterUID();

}  // namespace chapters
