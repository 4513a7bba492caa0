#include "session/state_path.h"

#include <charconv>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "session/simulation_context.h"
#include "session/state_json.h"
#include "sim/setup_error.h"

namespace {

// Walks a JSON text as StateJson writes it: no blanks, keys without escapes.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
    void Expect(char c)
    {
        if (Peek() != c) throw std::invalid_argument("the state line is not what the session writes");
        ++at_;
    }

    // Into the object, to the value of `key`; false when it has none.
    bool Member(std::string_view key)
    {
        Expect('{');
        while (Peek() == '"') {
            const std::size_t end = text_.find('"', at_ + 1);
            const std::string_view name = text_.substr(at_ + 1, end - at_ - 1);
            at_ = end + 1;
            Expect(':');
            if (name == key) return true;
            Skip();
            if (Peek() == ',') ++at_;
        }
        return false;
    }

    // Into the array, to its `index`th value; false when it is shorter.
    bool Element(std::size_t index)
    {
        Expect('[');
        for (std::size_t i = 0; Peek() != ']'; ++i) {
            if (i == index) return true;
            Skip();
            if (Peek() == ',') ++at_;
        }
        return false;
    }

    // The value here, if it is a number, null or a truth value.
    std::optional<double> Number()
    {
        const std::string_view rest = text_.substr(at_);
        if (rest.starts_with("null")) return std::numeric_limits<double>::quiet_NaN();
        if (rest.starts_with("true")) return 1.0;
        if (rest.starts_with("false")) return 0.0;
        double value = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
        if (error != std::errc() || end == rest.data()) return std::nullopt;
        return value;
    }

    char Kind() const { return Peek(); }

private:
    void Skip()
    {
        const char c = Peek();
        if (c == '{' || c == '[') {
            const char close = c == '{' ? '}' : ']';
            ++at_;
            while (Peek() != close) {
                if (c == '{') {
                    at_ = text_.find('"', at_ + 1) + 1;
                    Expect(':');
                }
                Skip();
                if (Peek() == ',') ++at_;
            }
            ++at_;
        } else if (c == '"') {
            for (++at_; at_ < text_.size() && text_[at_] != '"'; ++at_)
                if (text_[at_] == '\\') ++at_;
            ++at_;
        } else {
            while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != ']' && text_[at_] != '}') ++at_;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

struct Step {
    bool isIndex = false;
    std::string_view key;
    std::size_t index = 0;
};

// The steps of a path, or why it is not one.
std::vector<Step> Steps(std::string_view path)
{
    const auto refuse = [&](const std::string& why) {
        throw StatePathError("the path " + QuoteToken(path) + " " + why +
                             ": write a key, then [index] or .key, such as angularVelocity[2]");
    };
    std::vector<Step> steps;
    std::size_t at = 0;
    const auto key = [&] {
        const std::size_t end = std::min(path.find_first_of(".[", at), path.size());
        if (end == at) refuse("has an empty key");
        steps.push_back({false, path.substr(at, end - at), 0});
        at = end;
    };
    key();
    while (at < path.size()) {
        if (path[at] == '.') {
            ++at;
            key();
            continue;
        }
        const std::size_t close = path.find(']', at);
        std::size_t index = 0;
        const auto [end, error] =
            std::from_chars(path.data() + at + 1, path.data() + std::min(close, path.size()), index);
        if (close == std::string_view::npos || error != std::errc() || end != path.data() + close)
            refuse("has an index that is not a whole number in brackets");
        steps.push_back({true, {}, index});
        at = close + 1;
    }
    return steps;
}

}  // namespace

double StateValue(std::string_view stateLine, std::string_view path)
{
    Reader reader(stateLine);
    for (const Step& step : Steps(path)) {
        const bool found = step.isIndex ? reader.Kind() == '[' && reader.Element(step.index)
                                        : reader.Kind() == '{' && reader.Member(step.key);
        if (!found) throw StatePathError("the state line has nothing at " + QuoteToken(path));
    }
    if (const std::optional<double> value = reader.Number()) return *value;
    throw StatePathError("the state line has no number at " + QuoteToken(path) + ", but a list, an object or a text");
}

void CheckStatePath(std::string_view path)
{
    // Every state line has every key, and a body of one particle the fewest
    // entries any list can have.
    SimulationContext one;
    one.body.particles.resize(1);
    one.settings.particleCount = 1;
    StateValue(StateJson(one, false, 1), path);
}
