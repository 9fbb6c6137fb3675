// deck_table.h -- how many cards of each level a generated opponent deck holds, by class and tier.
#pragma once

// OpponentDeckTable[class][tier][level - 1]; every row sums to 16.
constexpr int OpponentDeckTable[3][4][4] = {
    {{7, 7, 2, 0}, {6, 7, 2, 1}, {5, 6, 3, 2}, {4, 6, 4, 2}},    // Guest
    {{3, 4, 4, 5}, {2, 3, 6, 5}, {2, 2, 6, 6}, {1, 2, 6, 7}},    // Member
    {{1, 3, 5, 7}, {1, 2, 5, 8}, {0, 1, 5, 10}, {0, 1, 3, 12}},  // Elite
};
