// Small text helpers for messages about what a user wrote: quoting an input without echoing all of
// it, and finding the names nearest to a misspelt one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// Messages quote at most this many characters of what was read.
inline constexpr std::size_t quote_limit = 200;

// 'text' in quotes, cut to quote_limit characters with a note of how much more there was.
std::string in_quotes(std::string_view text);

// Edit distance (insertions, deletions, substitutions), optionally ignoring case.
std::size_t edit_distance(std::string_view a, std::string_view b, bool ignore_case = true);

// The candidates close enough to word to be what was meant, nearest first (at most three): those
// within a few edits for the word's length, or equal to it but for case, or that it begins
// (or that begin it) with at least four letters in common.
std::vector<std::string> nearest_names(std::string_view word, const std::vector<std::string>& candidates);

// "did you mean A?" / "did you mean A or B?", or "" when there are none.
std::string did_you_mean(const std::vector<std::string>& names);

// "A, B and C"
std::string joined(const std::vector<std::string>& words, const char* last = " and ");

std::string lower_case(std::string_view text);
std::string upper_case(std::string_view text);
std::string trimmed(std::string_view text);

}  // namespace host
