#include "tools/pbrain-gobang/NumberList.h"

#include <charconv>

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

namespace {

std::optional<int> ParseNumber(std::string_view text)
{
    const std::string_view digits = Trimmed(text);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::vector<int>> ParseNumberList(std::string_view text)
{
    std::vector<int> numbers;
    while (true) {
        const auto comma = text.find(',');
        const auto number = ParseNumber(text.substr(0, comma));
        if (!number)
            return std::nullopt;
        numbers.push_back(*number);
        if (comma == std::string_view::npos)
            return numbers;
        text.remove_prefix(comma + 1);
    }
}
