#include "firm_data.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>
#include <vector>

#include "cp1252.h"
#include "otoken.h"

namespace firm_data {

namespace {

const std::string kWorkers = "trabajadores";
const std::string kModality = "modalidad";
const std::string kNextReview = "revision";
const std::string kExposed = "expuestos";
const std::string kSeparator = "; ";

struct ModalityText {
    const char* key;  // as the file holds it
    std::string name;
};
const std::array<ModalityText, kModalityCount> kModalities = {{
    {"", ""},
    {"empresario", "Asumida por el empresario"},
    {"designados", "Trabajadores designados"},
    {"propio", W("Servicio de prevención propio")},
    {"ajeno", W("Servicio de prevención ajeno")},
    {"mancomunado", W("Servicio de prevención mancomunado")},
}};

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// The pairs of the short values' field in their order; a piece without "=" has an empty key.
using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs ReadPairs(const std::string& field) {
    Pairs pairs;
    std::size_t start = 0;
    while (start <= field.size()) {
        const std::size_t end = std::min(field.find(';', start), field.size());
        const std::string piece = Trimmed(field.substr(start, end - start));
        if (!piece.empty()) {
            const std::size_t equals = piece.find('=');
            if (equals == std::string::npos) {
                pairs.emplace_back(std::string(), piece);
            } else {
                pairs.emplace_back(Trimmed(piece.substr(0, equals)), Trimmed(piece.substr(equals + 1)));
            }
        }
        start = end + 1;
    }
    return pairs;
}

// Keys and the modality's values are read in any case ("Modalidad=AJENO"), written as the
// program writes them.
bool SameLetters(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string Value(const Pairs& pairs, const std::string& key) {
    for (const auto& [k, value] : pairs) {
        if (SameLetters(k, key)) return value;
    }
    return {};
}

// The field with the given keys set (in this order, each only when not empty) and the pairs
// of every other key kept after them.
std::string WritePairs(const std::string& field, const Pairs& known) {
    std::string out;
    auto add = [&out](const std::string& piece) {
        if (!out.empty()) out += kSeparator;
        out += piece;
    };
    for (const auto& [key, value] : known) {
        if (!value.empty()) add(key + "=" + value);
    }
    for (const auto& [key, value] : ReadPairs(field)) {
        bool ours = false;
        for (const auto& pair : known)
            ours = ours || SameLetters(pair.first, key);
        if (!ours) add(key.empty() ? value : key + "=" + value);
    }
    return out;
}

}  // namespace

const std::string& ModalityName(Modality modality) {
    return kModalities[static_cast<int>(modality)].name;
}

FirmData Read(const oToken& firm) {
    FirmData data;
    data.taxId = firm.GetField(field::kTaxId);
    data.address = firm.GetField(field::kAddress);
    data.activity = firm.GetField(field::kActivity);
    data.evaluator = firm.GetField(field::kEvaluator);
    const Pairs pairs = ReadPairs(firm.GetField(field::kPlaceFigures));
    data.workers = Value(pairs, kWorkers);
    const std::string modality = Value(pairs, kModality);
    for (int m = 1; m < kModalityCount; ++m) {
        if (SameLetters(modality, kModalities[m].key)) data.modality = static_cast<Modality>(m);
    }
    data.nextReview = Value(pairs, kNextReview);
    return data;
}

void Write(oToken& firm, const FirmData& data) {
    SetNewDataField(firm, field::kTaxId, data.taxId);
    SetNewDataField(firm, field::kAddress, data.address);
    SetNewDataField(firm, field::kActivity, data.activity);
    SetNewDataField(firm, field::kEvaluator, data.evaluator);
    const Pairs known = {{kWorkers, data.workers},
                         {kModality, kModalities[static_cast<int>(data.modality)].key},
                         {kNextReview, data.nextReview}};
    SetNewDataField(firm, field::kPlaceFigures, WritePairs(firm.GetField(field::kPlaceFigures), known));
}

std::string ReadExposedWorkers(const oToken& workstation) {
    return Value(ReadPairs(workstation.GetField(field::kPlaceFigures)), kExposed);
}

void WriteExposedWorkers(oToken& workstation, const std::string& count) {
    SetNewDataField(workstation, field::kPlaceFigures,
                    WritePairs(workstation.GetField(field::kPlaceFigures), {{kExposed, count}}));
}

}  // namespace firm_data
