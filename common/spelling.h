// How far apart two spellings are: the edits (a letter added, dropped,
// changed, or two neighbours swapped) that turn one into the other. Both
// programs guess a misspelt label with it.
#pragma once

#include <cstddef>
#include <string_view>

std::size_t spelling_distance(std::string_view a, std::string_view b);

// Whether `candidate` is spelt close enough to `word` to be offered as what was
// meant: within a third of the word's length, at least one edit.
bool spelt_alike(std::string_view word, std::string_view candidate);
