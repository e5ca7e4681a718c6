#include "measure_cost.h"

#include "cp1252.h"

namespace measure_cost {

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

bool AllDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// The euros before the comma: plain digits, or groups of three after a first group of one to
// three, joined by points ("1.250.000").
std::optional<long long> Euros(const std::string& text) {
    std::string digits;
    if (text.find('.') == std::string::npos) {
        digits = text;
    } else {
        std::size_t start = 0;
        for (std::size_t point = text.find('.');; point = text.find('.', start)) {
            const std::string group = text.substr(start, point == std::string::npos ? point : point - start);
            const bool first = start == 0;
            if (!AllDigits(group) || (first ? group.size() > 3 : group.size() != 3)) return std::nullopt;
            digits += group;
            if (point == std::string::npos) break;
            start = point + 1;
        }
    }
    if (!AllDigits(digits)) return std::nullopt;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    if (digits.size() > 9) return std::nullopt;
    return std::stoll(digits);
}

}  // namespace

std::optional<long long> Cents(const std::string& typed) {
    std::string text = Trimmed(typed);
    const std::string euroSign = W("€");
    if (text.size() >= euroSign.size() && text.compare(text.size() - euroSign.size(), euroSign.size(), euroSign) == 0)
        text = Trimmed(text.substr(0, text.size() - euroSign.size()));
    if (text.empty()) return std::nullopt;
    const std::size_t comma = text.find(',');
    const std::optional<long long> euros = Euros(text.substr(0, comma));
    if (!euros) return std::nullopt;
    long long cents = *euros * 100;
    if (comma != std::string::npos) {
        const std::string decimals = text.substr(comma + 1);
        if (!AllDigits(decimals) || decimals.size() > 2) return std::nullopt;
        cents += std::stoll(decimals) * (decimals.size() == 1 ? 10 : 1);
    }
    return cents;
}

std::optional<std::string> Stored(const std::string& typed) {
    if (Trimmed(typed).empty()) return std::string();
    const std::optional<long long> cents = Cents(typed);
    if (!cents) return std::nullopt;
    return StoredText(*cents);
}

std::string StoredText(long long cents) {
    const long long part = cents % 100;
    return std::to_string(cents / 100) + (part < 10 ? ",0" : ",") + std::to_string(part);
}

std::string Shown(long long cents) {
    const std::string stored = StoredText(cents);
    const std::size_t comma = stored.find(',');
    std::string out = stored.substr(comma);
    for (std::size_t i = comma; i > 0; --i) {
        out.insert(out.begin(), stored[i - 1]);
        if ((comma - i) % 3 == 2 && i > 1) out.insert(out.begin(), '.');
    }
    return out;
}

std::string BadCostMessage(const std::string& typed) {
    return W("«") + typed +
           W("» no es un importe válido para «Coste previsto (€)». Escriba los euros con, como mucho, dos "
             "decimales tras una coma (por ejemplo 1250,50) antes de aceptar.");
}

}  // namespace measure_cost
