#pragma once

#include <optional>
#include <string>

// "Coste previsto (€)" of a preventive measure, as Spanish users type it: a number of euros with
// at most two decimals after a comma, thousands optionally grouped with points ("1.250,5"), a
// euro sign after it allowed. Kept with a comma and two decimals ("1250,50"), counted in cents.
namespace measure_cost {

// The most a measure may cost, in cents: 999 999 999,99 €.
constexpr long long kMaxCents = 99'999'999'999;

// The cents of a cost as typed or stored; nothing for the empty text and for anything that is
// not such a number (a sign, a point that groups no thousands, a third decimal, letters).
std::optional<long long> Cents(const std::string& typed);
// The stored form of a typed cost: "1250,50"; the empty text stays empty; nothing when it is
// not a cost.
std::optional<std::string> Stored(const std::string& typed);
// "1250,50": the stored form of an amount.
std::string StoredText(long long cents);
// "1.250,50": an amount as printed and shown, points grouping the thousands.
std::string Shown(long long cents);
// The message for a typed text that is not a cost (Windows-1252).
std::string BadCostMessage(const std::string& typed);

}  // namespace measure_cost
