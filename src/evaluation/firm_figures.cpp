#include "firm_figures.h"

#include "cp1252.h"
#include "date_port.h"
#include "node_data_form.h"

namespace firm_figures {

namespace {

constexpr std::size_t kMaxDigits = 7;

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

std::string BadCount(const std::string& label, const std::string& typed) {
    return W("«") + typed + W("» no es un número válido para «") + label +
           W("». Escriba un número entero, sin puntos ni letras, antes de aceptar.");
}

std::string BadDate(const std::string& label, const std::string& typed, DatePort& dates) {
    return W("«") + typed + W("» no es una fecha válida para «") + label + W("». Escríbala como ") +
           dates.ToText(dates.Today()) + W(" antes de aceptar.");
}

}  // namespace

std::optional<std::string> Count(const std::string& typed) {
    std::string digits = Trimmed(typed);
    if (digits.empty()) return digits;
    if (digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    if (digits.size() > kMaxDigits) return std::nullopt;
    return digits;
}

std::optional<std::string> DateText(const std::string& typed, DatePort& dates) {
    const std::string text = Trimmed(typed);
    if (text.empty()) return text;
    const std::optional<Date> date = dates.FromText(text);
    if (!date) return std::nullopt;
    return dates.ToText(*date);
}

bool AcceptedCount(const std::string& stored) {
    return Count(stored) == stored;
}

bool AcceptedDate(const std::string& stored, DatePort& dates) {
    return DateText(stored, dates) == stored;
}

std::optional<std::string> Check(NodeDataValues& values, const NodeDataAdaptation& adaptation,
                                 DatePort& dates) {
    if (adaptation.showsFirmData) {
        firm_data::FirmData& firm = values.firm;
        const auto workers = Count(firm.workers);
        if (!workers) return BadCount(W("Nº de trabajadores:"), firm.workers);
        const auto review = DateText(firm.nextReview, dates);
        if (!review) return BadDate(W("Próxima revisión:"), firm.nextReview, dates);
        firm.workers = *workers;
        firm.nextReview = *review;
    }
    if (adaptation.showsExposedWorkers) {
        const auto exposed = Count(values.exposedWorkers);
        if (!exposed) return BadCount("Trabajadores expuestos:", values.exposedWorkers);
        values.exposedWorkers = *exposed;
    }
    return std::nullopt;
}

}  // namespace firm_figures
