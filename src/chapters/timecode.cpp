#include "chapters/timecode.h"

#include <charconv>
#include <cstdint>
#include <system_error>

#include "common/error.h"
#include "common/text.h"

namespace chapters {

namespace {

constexpr int kSignificantDigits = 15;
constexpr size_t kFractionDigits = 9;

std::string TwoDigits(std::uint64_t value) {
  std::string text = std::to_string(value);
  return text.size() < 2 ? "0" + text : text;
}

// A decimal number as the number parser reads it; fails with the conversion message.
double ParseFloat(std::string_view piece) {
  std::string_view trimmed = piece;
  while (!trimmed.empty() && (trimmed.front() == ' ' || trimmed.front() == '\t')) trimmed.remove_prefix(1);
  while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t')) trimmed.remove_suffix(1);
  if (!trimmed.empty() && trimmed.front() == '+') trimmed.remove_prefix(1);
  double value = 0.0;
  const char* first = trimmed.data();
  const char* last = trimmed.data() + trimmed.size();
  auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (trimmed.empty() || error != std::errc() || end != last) {
    throw common::Error("\"" + std::string(piece) + "\" is an invalid float");
  }
  return value;
}

}  // namespace

std::string FifteenDigitText(double value) {
  char buffer[64];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::scientific, kSignificantDigits - 1);
  if (error != std::errc()) return "0";
  std::string_view scientific(buffer, static_cast<size_t>(end - buffer));
  bool negative = scientific.front() == '-';
  if (negative) scientific.remove_prefix(1);
  size_t e = scientific.find('e');
  std::string digits;
  for (char c : scientific.substr(0, e)) {
    if (c != '.') digits += c;
  }
  int exponent = 0;
  std::string_view exponent_text = scientific.substr(e + 1);
  if (!exponent_text.empty() && exponent_text.front() == '+') exponent_text.remove_prefix(1);
  std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);

  std::string whole;
  std::string fraction;
  if (exponent >= 0) {
    size_t whole_digits = static_cast<size_t>(exponent) + 1;
    if (whole_digits >= digits.size()) {
      whole = digits + std::string(whole_digits - digits.size(), '0');
    } else {
      whole = digits.substr(0, whole_digits);
      fraction = digits.substr(whole_digits);
    }
  } else {
    whole = "0";
    fraction = std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  }
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  std::string text = negative ? "-" + whole : whole;
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

double ReadDecimal(std::string_view text) { return ParseFloat(text); }

std::string SecondsToTimecode(double seconds) {
  std::string text = FifteenDigitText(seconds);
  size_t point = text.find('.');
  std::string whole = text.substr(0, point);
  std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
  fraction = fraction.substr(0, kFractionDigits);
  fraction.append(kFractionDigits - fraction.size(), '0');

  std::uint64_t total = 0;
  std::from_chars(whole.data(), whole.data() + whole.size(), total);
  std::uint64_t hours = total / 3600;
  std::uint64_t rest = total - 3600 * hours;
  std::uint64_t minutes = rest / 60;
  std::uint64_t secs = rest - 60 * minutes;
  return TwoDigits(hours) + ":" + TwoDigits(minutes) + ":" + TwoDigits(secs) + "." + fraction;
}

double TimecodeToSeconds(std::string_view timecode) {
  std::string text(timecode);
  size_t point = text.find('.');
  if (point != std::string::npos) {
    text += "000000000";
    text.resize(point + 1 + kFractionDigits);
  } else {
    point = text.size();
    text += ".000000000";
  }
  size_t colon = text.find(':');
  // Pieces as 1-based copies would take them: a missing colon leaves the hours empty.
  std::string_view view(text);
  std::string_view hours = colon == std::string::npos ? std::string_view() : view.substr(0, colon);
  std::string_view minutes = view.substr(colon == std::string::npos ? 0 : colon + 1, 2);
  std::string_view secs = point >= 2 ? view.substr(point - 2, 2) : view.substr(0, point);
  std::string_view fraction = view.substr(point + 1, kFractionDigits);
  double h = ParseFloat(hours);
  double m = ParseFloat(minutes);
  double s = ParseFloat(secs);
  double f = ParseFloat(fraction);
  return 3600.0 * h + 60.0 * m + s + f / 1000000000.0;
}

std::string MillisecondTimecode(std::string_view timecode) { return common::DropLast(timecode, 6); }

}  // namespace chapters
