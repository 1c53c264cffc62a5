#include "dvd/dvd_listings.h"
namespace dvd {
void ListDvdTitleSets(const std::string&) {}
void ShowTitleSet(const std::string&) {}
void ShowDvdTitleChapters(const std::string&, std::int32_t) {}
}  // namespace dvd
