#ifndef PLECTRONOME_SORTWITHINDEX_H
#define PLECTRONOME_SORTWITHINDEX_H

#include <algorithm>
#include <vector>

// Ascending sort that also reports where every value came from, used by the chroma and
// chord stages to pick the largest values of a vector by position. Equal values keep
// their index order, so the results repeat from run to run.

namespace analysis {

// sorted[i] = values[permutation[i]], ascending; `values` is not changed.
template <typename T>
void sortWithIndex(const std::vector<T> &values, std::vector<T> &sorted,
                   std::vector<unsigned> &permutation)
{
    const size_t n = values.size();
    permutation.resize(n);
    for (size_t i = 0; i < n; ++i)
        permutation[i] = static_cast<unsigned>(i);
    std::stable_sort(permutation.begin(), permutation.end(),
                     [&values](unsigned a, unsigned b) { return values[a] < values[b]; });
    sorted.resize(n);
    for (size_t i = 0; i < n; ++i)
        sorted[i] = values[permutation[i]];
}

} // namespace analysis

#endif
