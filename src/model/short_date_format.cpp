#include "short_date_format.h"

#include <cctype>
#include <cstdio>

namespace {

// Replaces each run of the letter by `width` copies of it.
std::string Widen(const std::string& pattern, char letter, int width) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        if (pattern[i] == letter) {
            while (i < pattern.size() && pattern[i] == letter)
                ++i;
            out.append(width, letter);
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

std::string Padded(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

}  // namespace

bool IsValidDate(const Date& date) {
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    const int days = date.month == 2 && leap ? 29 : kDays[date.month - 1];
    return date.day <= days;
}

ShortDateFormat::ShortDateFormat(const std::string& pattern) {
    std::string p = pattern.empty() ? "dd/MM/yyyy" : pattern;
    pattern_ = Widen(Widen(Widen(p, 'd', 2), 'M', 2), 'y', 4);
}

std::string ShortDateFormat::Format(const Date& date) const {
    std::string out;
    for (std::size_t i = 0; i < pattern_.size();) {
        const char c = pattern_[i];
        std::size_t run = 1;
        while (i + run < pattern_.size() && pattern_[i + run] == c)
            ++run;
        if (c == 'd') {
            out += Padded(date.day, 2);
        } else if (c == 'M') {
            out += Padded(date.month, 2);
        } else if (c == 'y') {
            out += Padded(date.year, 4);
        } else {
            out.append(pattern_, i, run);
        }
        i += run;
    }
    return out;
}

std::optional<Date> ShortDateFormat::Parse(const std::string& text) const {
    Date date;
    std::size_t t = 0;
    for (std::size_t i = 0; i < pattern_.size();) {
        const char c = pattern_[i];
        std::size_t run = 1;
        while (i + run < pattern_.size() && pattern_[i + run] == c)
            ++run;
        if (c == 'd' || c == 'M' || c == 'y') {
            const std::size_t start = t;
            while (t < text.size() && std::isdigit(static_cast<unsigned char>(text[t])) && t - start < 4)
                ++t;
            const std::size_t digits = t - start;
            if (digits == 0) return std::nullopt;
            const int value = std::stoi(text.substr(start, digits));
            if (c == 'y') {
                if (digits == 4) {
                    date.year = value;
                } else if (digits == 2) {
                    date.year = value < 50 ? 2000 + value : 1900 + value;
                } else {
                    return std::nullopt;
                }
            } else {
                if (digits > 2) return std::nullopt;
                (c == 'd' ? date.day : date.month) = value;
            }
        } else {
            if (text.compare(t, run, pattern_, i, run) != 0) return std::nullopt;
            t += run;
        }
        i += run;
    }
    if (t != text.size() || !IsValidDate(date)) return std::nullopt;
    return date;
}
