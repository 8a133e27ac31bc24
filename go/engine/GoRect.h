#pragma once

// A rectangle in client pixels, right and bottom exclusive. All zero is the
// empty rectangle.
struct GoRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool IsEmpty() const { return right <= left || bottom <= top; }

    friend bool operator==(const GoRect&, const GoRect&) = default;
};
