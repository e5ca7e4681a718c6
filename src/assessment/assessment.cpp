#include "assessment.h"

#include <cctype>
#include <numeric>

#include "catalogue.h"
#include "checklist_answers.h"
#include "cp1252.h"
#include "document_outline.h"
#include "document_session.h"
#include "kinds.h"
#include "photo_folder.h"
#include "questionnaire_valuation.h"
#include "valuation_code.h"

namespace assessment {

std::string ValuationInWords(const std::string& field) {
    std::string name = questionnaire_valuation::Name(field);
    for (std::size_t i = 1; i < name.size(); ++i)
        name[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
    return name;
}

namespace {

const std::string kPathSeparator = " / ";

// Walks the outline once, hanging every questionnaire on the nearest place above it, every
// deficiency on the nearest questionnaire and every measure on the nearest deficiency. A
// questionnaire or deficiency with nothing of the kind above it (a document whose lines were
// moved by hand) gets a place or questionnaire without name, so that it is not left out; a
// measure without deficiency is in the plan's table only.
class Collector {
public:
    Collector(Assessment& out, const std::vector<OutlineEntry>& outline, const Catalogue& catalogue)
        : out_(out), outline_(outline), catalogue_(catalogue), at_(outline.size()) {}

    void Run(const std::vector<int>& measureRows) {
        for (std::size_t i = 0; i < outline_.size(); ++i) {
            const oToken& record = *outline_[i].record;
            const char kind = record.GetKind(field::kKind);
            if (kind::IsPlace(kind)) {
                AddPlace(i, record, kind);
            } else if (kind == kind::kQuestionnaire) {
                AddQuestionnaire(i, record);
            } else if (kind == kind::kDeficiency) {
                AddDeficiency(i, record);
            } else if (kind == kind::kMeasure) {
                const Where* above = Nearest(i, &Where::deficiency);
                if (above && measureRows[i] >= 0)
                    DeficiencyAt(*above)->measures.push_back(static_cast<std::size_t>(measureRows[i]));
            }
        }
    }

private:
    // Where an outline entry's record went: the indexes of its place, questionnaire and
    // deficiency (-1 where it is none of them).
    struct Where {
        int place = -1;
        int questionnaire = -1;
        int deficiency = -1;
    };

    // The nearest entry above i (i itself excluded) that is a place, a questionnaire or a
    // deficiency, as the member says; its Where.
    const Where* Nearest(std::size_t i, int Where::*member) const {
        for (int p = outline_[i].parent; p >= 0; p = outline_[static_cast<std::size_t>(p)].parent) {
            if (at_[static_cast<std::size_t>(p)].*member >= 0) return &at_[static_cast<std::size_t>(p)];
        }
        return nullptr;
    }
    Deficiency* DeficiencyAt(const Where& where) {
        return &out_.places[where.place].questionnaires[where.questionnaire].deficiencies[where.deficiency];
    }

    void AddPlace(std::size_t i, const oToken& record, char kind) {
        Place place;
        place.kind = kind;
        place.record = &record;
        place.name = record.GetField(field::kName);
        const Where* above = Nearest(i, &Where::place);
        if (above) {
            const Place& parent = out_.places[above->place];
            place.depth = parent.depth + 1;
            place.path = parent.depth == 0 && parent.kind == kind::kFirm
                             ? place.name
                             : parent.path + kPathSeparator + place.name;
        } else {
            place.path = place.name;
        }
        if (kind == kind::kWorkstation) place.exposedWorkers = firm_data::ReadExposedWorkers(record);
        out_.places.push_back(std::move(place));
        at_[i].place = static_cast<int>(out_.places.size()) - 1;
    }

    // The place of entry i: the nearest above it, or a place without name for what has none.
    int PlaceOf(std::size_t i) {
        if (const Where* above = Nearest(i, &Where::place)) return above->place;
        if (homeless_ < 0) {
            out_.places.emplace_back();
            homeless_ = static_cast<int>(out_.places.size()) - 1;
        }
        return homeless_;
    }

    void AddQuestionnaire(std::size_t i, const oToken& record) {
        Questionnaire q;
        q.title = record.GetField(field::kTitle);
        q.valuation = ValuationInWords(record.GetField(field::kQuestionnaireValuation));
        q.agents = record.GetField(field::kComments);
        q.planned = record.GetField(field::kPlannedDate);
        q.plannedBy = record.GetField(field::kPlannedBy);
        q.done = record.GetField(field::kDoneDate);
        q.doneBy = record.GetField(field::kDoneBy);
        const checklist::ChecklistAnswers answers = checklist::ChecklistAnswers::Of(record, catalogue_);
        if (answers.Stored()) {
            q.answers = answers.Counted();
            const int number = UncheckedTwoDigitNumber(q.title);
            for (const int item : answers.Items(checklist::Answer::kYes))
                q.checked.push_back(std::to_string(item) + ". " + catalogue_.ItemText(number, item));
        }
        const int place = PlaceOf(i);
        out_.places[place].questionnaires.push_back(std::move(q));
        at_[i].place = place;
        at_[i].questionnaire = static_cast<int>(out_.places[place].questionnaires.size()) - 1;
    }

    void AddDeficiency(std::size_t i, const oToken& record) {
        Where where;
        if (const Where* above = Nearest(i, &Where::questionnaire)) {
            where = *above;
        } else {
            where.place = PlaceOf(i);
            out_.places[where.place].questionnaires.emplace_back();
            where.questionnaire = static_cast<int>(out_.places[where.place].questionnaires.size()) - 1;
        }
        Deficiency d;
        d.item = record.GetField(field::kItem);
        d.detected = record.GetField(field::kDeficiencyDetected);
        d.recommendation = record.GetField(field::kRecommendation);
        d.comments = record.GetField(field::kObservations);
        d.code = valuation::WorkingCopy(record.GetField(field::kValuationCode));
        d.level = plan::LevelOfCode(d.code);
        d.photos = ParsePhotoList(record.GetField(kPhotoField));
        Place& place = out_.places[where.place];
        ++place.levels[static_cast<int>(d.level)];
        ++out_.levels[static_cast<int>(d.level)];
        auto& deficiencies = place.questionnaires[where.questionnaire].deficiencies;
        deficiencies.push_back(std::move(d));
        where.deficiency = static_cast<int>(deficiencies.size()) - 1;
        at_[i] = where;
    }

    Assessment& out_;
    const std::vector<OutlineEntry>& outline_;
    const Catalogue& catalogue_;
    std::vector<Where> at_;
    int homeless_ = -1;
};

}  // namespace

int Place::Deficiencies() const {
    return std::accumulate(levels.begin(), levels.end(), 0);
}

int Assessment::Deficiencies() const {
    return std::accumulate(levels.begin(), levels.end(), 0);
}

Assessment Gather(const DocumentSession& session, const Catalogue& catalogue, DatePort& dates,
                  const Date& asOf) {
    Assessment out;
    out.plan = plan::BuildActionPlan(session, dates, asOf);
    out.date = out.plan.asOfText;
    const NodeTable& table = session.Table();
    if (const oToken* firm = table.Record(1)) {
        out.firmName = firm->GetField(field::kName);
        out.firm = firm_data::Read(*firm);
        out.planned = firm->GetField(field::kPlannedDate);
        out.plannedBy = firm->GetField(field::kPlannedBy);
        out.done = firm->GetField(field::kDoneDate);
        out.doneBy = firm->GetField(field::kDoneBy);
        out.comments = firm->GetField(field::kComments);
        out.observations = firm->GetField(field::kObservations);
    }

    const std::vector<OutlineEntry> outline = DocumentOutline(session);
    // The plan's row of every measure, by its place in the outline.
    std::vector<int> rowOfSlot(static_cast<std::size_t>(table.count()) + 1, -1);
    for (std::size_t r = 0; r < out.plan.rows.size(); ++r) {
        const plan::PlanRow& row = out.plan.rows[r];
        if (row.kind == kind::kMeasure) rowOfSlot[static_cast<std::size_t>(row.slot)] = static_cast<int>(r);
    }
    std::vector<int> measureRows(outline.size(), -1);
    for (std::size_t i = 0; i < outline.size(); ++i)
        measureRows[i] = rowOfSlot[static_cast<std::size_t>(table.SlotOf(outline[i].record))];
    Collector(out, outline, catalogue).Run(measureRows);
    out.gaps = review::Review(session, dates, asOf);
    if (!session.FileName().empty()) out.photoFolder = PhotoFolderOf(session.FileName());
    return out;
}

}  // namespace assessment
