#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "session/translatable.h"

// The translation context of every sentence and phrase below the window.
inline constexpr const char* kSentenceContext = "Description";

// A number rounded for a listener: to `decimals` places, or, with `decimals`
// negative, to two digits and a power of ten. A window writes it as its
// language writes numbers.
struct SpokenNumber {
    double value = 0.0;
    int decimals = 0;

    friend bool operator==(const SpokenNumber&, const SpokenNumber&) = default;
};

// Two significant digits below 10, whole numbers from 10 on: "0.043", "3.2",
// "48", "102"; from a million on "1.2e+06".
SpokenNumber Spoken(double value);

// A piece of a sentence that a translation takes whole ("up and to the left"),
// marked with QT_TRANSLATE_NOOP in kSentenceContext.
struct Phrase {
    const char* text = "";
};

// A sentence for a person to read or hear, kept as a template so that a window
// can translate it: `text`, marked with QT_TRANSLATE_NOOP in kSentenceContext,
// holds %1 to %9 where its arguments go, in the order of `arguments`. A text
// argument is put in as it is (a density as typed, say).
struct Sentence {
    using Argument = std::variant<SpokenNumber, std::string, Phrase>;

    const char* text = "";
    std::vector<Argument> arguments;
};

// `text` with each %N (N from 1 to 9) replaced by arguments[N-1]; a % that
// names no argument stays as it is.
std::string FillIn(std::string_view text, const std::vector<std::string>& arguments);

// As an English listener hears it: the template untranslated, numbers with a
// point and no grouping.
std::string English(const Sentence& sentence);
// The sentences one after another, a blank between two.
std::string English(const std::vector<Sentence>& sentences);
