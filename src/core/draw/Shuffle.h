#pragma once

#include <QRandomGenerator>

#include <utility>
#include <vector>

// Puts the items in a uniformly random order (Fisher and Yates), drawing from the random
// generator in one fixed way, so that a seed gives the same order everywhere.
template <typename T> void Shuffle(std::vector<T>& items, QRandomGenerator& random)
{
    for (size_t i = items.size(); i > 1; --i)
        std::swap(items[i - 1], items[random.bounded(quint32(i))]);
}
