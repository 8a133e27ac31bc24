#pragma once

#include "go/engine/GoTextEntry.h"

// A status text as the turn controller chooses it: one entry of the text
// table, or two shown one directly after the other, with every "%d" in them
// standing for step.
struct TurnStatus {
    GoTextEntry first = kTextTitle;
    // Negative when the text is the first entry alone.
    int second = -1;
    int step = 0;

    friend bool operator==(const TurnStatus&, const TurnStatus&) = default;
};
