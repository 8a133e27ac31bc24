#pragma once

// A board point (x, y); (-1, -1) stands for no point at all.
struct GoPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const GoPoint&, const GoPoint&) = default;
};

constexpr GoPoint kNoGoPoint { -1, -1 };
