#include "workstation_sheet.h"

#include <algorithm>
#include <cctype>

#include "assessment.h"
#include "cp1252.h"
#include "kinds.h"
#include "otoken.h"

namespace sheets {

namespace {

const std::string kZoneSeparator = " / ";

// A questionnaire's valuation as a worker reads it, by the stored character.
const std::pair<char, const char*> kResults[] = {
    {'0', "Sin valorar todavía"},
    {'1', "Correcto: se cumple lo que el cuestionario comprueba"},
    {'2', "Mejorable"},
    {'3', "Deficiente: hay cosas que corregir"},
    {'4', "Muy deficiente: hay cosas que corregir cuanto antes"},
};

std::string ResultInWords(const std::string& valuationName) {
    for (const auto& [value, words] : kResults) {
        if (assessment::ValuationInWords(std::string(1, value)) == valuationName) return W(words);
    }
    return valuationName;
}

std::string LevelInWords(plan::Level level) {
    switch (level) {
        case plan::Level::kCritical:
            return W("Crítico: se corrige de inmediato");
        case plan::Level::kToCorrect:
            return "A corregir: se corrige pronto";
        case plan::Level::kToImprove:
            return "A mejorar";
        case plan::Level::kNotEssential:
            return "No imprescindible";
        default:
            return "Sin valorar";
    }
}

// "07.- Máquinas" is "Máquinas", "3. Resguardos" is "Resguardos": the numbers mean nothing to
// a worker.
std::string WithoutNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
        ++i;
    if (i == 0) return text;
    const std::size_t rest = text.find_first_not_of(".- ", i);
    if (rest == std::string::npos || rest == i) return text;
    return text.substr(rest);
}

std::string PlaceName(const assessment::Place& place) {
    if (place.kind == kind::kFirm) return "Toda la empresa";
    if (place.kind == kind::kZone) return "Zona: " + place.name;
    return "Su puesto";
}

int BlankLines(const std::string& exposed) {
    const int count = std::max(1, TextToInt(exposed));
    // A figure mistyped by thousands would not print lines for a crowd.
    return std::min(count, 500);
}

Sheet SheetFor(const assessment::Assessment& a, const std::vector<const assessment::Place*>& chain) {
    const assessment::Place& own = *chain.back();
    Sheet sheet;
    sheet.line = TextToInt(own.record->GetField(field::kSlot));
    sheet.firm = a.firmName;
    sheet.workstation = own.name;
    sheet.date = a.date;
    sheet.photoFolder = a.photoFolder;
    sheet.data = workstation_data::Read(*own.record);
    sheet.workers = workstation_data::WorkerNames(sheet.data.workers);
    sheet.blankLines = BlankLines(own.exposedWorkers);
    for (const assessment::Place* place : chain) {
        if (place->kind == kind::kZone)
            sheet.zone += (sheet.zone.empty() ? "" : kZoneSeparator) + place->name;
    }
    // The workstation's own first, then the zones' from the nearest, then the firm's.
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const assessment::Place& place = **it;
        for (const assessment::Questionnaire& q : place.questionnaires) {
            sheet.risks.push_back({WithoutNumber(q.title), PlaceName(place), ResultInWords(q.valuation)});
            for (const std::string& item : q.checked)
                sheet.applied.push_back(WithoutNumber(item));
            if (place.kind == kind::kFirm) continue;
            for (const assessment::Deficiency& d : q.deficiencies) {
                Finding finding{
                    WithoutNumber(d.item), d.detected, PlaceName(place), LevelInWords(d.level), {}, d.photos};
                for (const std::size_t r : d.measures) {
                    const plan::PlanRow& row = a.plan.rows[r];
                    const std::string& date =
                        row.state == plan::State::kDone ? row.done.text : row.planned.text;
                    finding.actions.push_back({row.measure, plan::StateName(row.state), date});
                }
                sheet.findings.push_back(std::move(finding));
            }
        }
    }
    return sheet;
}

}  // namespace

std::vector<Sheet> SheetsOf(const assessment::Assessment& a) {
    std::vector<Sheet> sheets;
    // The places from the firm down to the one in hand: a place's parent is the nearest place
    // before it one level up, as the tree lists them.
    std::vector<const assessment::Place*> chain;
    for (const assessment::Place& place : a.places) {
        if (place.kind == ' ' || !place.record) continue;
        while (!chain.empty() && chain.back()->depth >= place.depth)
            chain.pop_back();
        chain.push_back(&place);
        if (place.kind == kind::kWorkstation) sheets.push_back(SheetFor(a, chain));
    }
    return sheets;
}

std::vector<Sheet> Gather(const DocumentSession& session, const Catalogue& catalogue, DatePort& dates,
                          const Date& asOf) {
    return SheetsOf(assessment::Gather(session, catalogue, dates, asOf));
}

std::optional<Sheet> SheetAt(const std::vector<Sheet>& sheets, int line) {
    for (const Sheet& sheet : sheets) {
        if (sheet.line == line) return sheet;
    }
    return std::nullopt;
}

}  // namespace sheets
