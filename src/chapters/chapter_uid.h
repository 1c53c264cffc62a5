// Matroska chapter and edition UIDs.
#pragma once

#include <random>
#include <string>

namespace chapters {

// The next UID of the run: 19 decimal digits from one process-wide MT19937 generator
// seeded with 0, so every run draws the same sequence (1067622006781518936,
// 8329396959957945618, 1032032389952365479, ...).
std::string NewChapterUID();

// The next UID drawn from `generator` (three outputs), by the same rule.
std::string NewChapterUID(std::mt19937& generator);

}  // namespace chapters
