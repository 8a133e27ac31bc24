#pragma once

#include <optional>
#include <string_view>
#include <vector>

// text without the blanks (spaces, tabs) at its ends.
std::string_view Trimmed(std::string_view text);

// The decimal integers of a comma-separated list such as "7,7" or " 3, 9 ,1";
// none when an item is empty, not a whole number or out of range.
std::optional<std::vector<int>> ParseNumberList(std::string_view text);
