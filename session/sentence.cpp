#include "session/sentence.h"

#include <array>
#include <charconv>
#include <cmath>

SpokenNumber Spoken(double value)
{
    constexpr double kLargest = 1e6;  // beyond it, a listener hears a power of ten
    if (!std::isfinite(value) || std::fabs(value) >= kLargest) return {value, -1};
    if (value == 0.0) return {0.0, 0};
    const int decimals = std::max(0, 1 - static_cast<int>(std::floor(std::log10(std::fabs(value)))));
    const double unit = std::pow(10.0, decimals);
    // + 0.0 turns a rounded −0 into 0: a listener hears no sign on nothing.
    return {std::round(value * unit) / unit + 0.0, decimals};
}

std::string FillIn(std::string_view text, const std::vector<std::string>& arguments)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < arguments.size()) {
                filled += arguments[n];
                ++i;
                continue;
            }
        }
        filled += text[i];
    }
    return filled;
}

namespace {

std::string EnglishNumber(SpokenNumber number)
{
    std::array<char, 64> digits{};
    const auto [end, error] = number.decimals < 0
                                  ? std::to_chars(digits.data(), digits.data() + digits.size(), number.value,
                                                  std::chars_format::scientific, 1)
                                  : std::to_chars(digits.data(), digits.data() + digits.size(), number.value,
                                                  std::chars_format::fixed, number.decimals);
    return error == std::errc() ? std::string(digits.data(), end) : std::string("?");
}

struct EnglishArgument {
    std::string operator()(SpokenNumber number) const { return EnglishNumber(number); }
    std::string operator()(const std::string& text) const { return text; }
    std::string operator()(Phrase phrase) const { return phrase.text; }
};

}  // namespace

std::string English(const Sentence& sentence)
{
    std::vector<std::string> arguments;
    arguments.reserve(sentence.arguments.size());
    for (const Sentence::Argument& argument : sentence.arguments)
        arguments.push_back(std::visit(EnglishArgument{}, argument));
    return FillIn(sentence.text, arguments);
}

std::string English(const std::vector<Sentence>& sentences)
{
    std::string text;
    for (const Sentence& sentence : sentences) {
        if (!text.empty()) text += ' ';
        text += English(sentence);
    }
    return text;
}
