#include "spelling.h"

#include <algorithm>
#include <vector>

std::size_t spelling_distance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

bool spelt_alike(std::string_view word, std::string_view candidate) {
    // Longer words are no misspelt labels worth a guess, and would cost much to compare.
    if (word.size() > 64 || candidate.size() > 64) return false;
    const std::size_t allowed = std::max<std::size_t>(1, word.size() / 3);
    const std::size_t longer = std::max(word.size(), candidate.size()), shorter = std::min(word.size(), candidate.size());
    return longer - shorter <= allowed && spelling_distance(word, candidate) <= allowed;
}
