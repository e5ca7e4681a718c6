#include "deficiency_form.h"

#include "catalogue.h"
#include "evaluation_texts.h"
#include "kinds.h"
#include "location_path.h"
#include "node_table.h"
#include "user_port.h"
#include "valuation_tables.h"

using namespace valuation;

namespace {

constexpr int kMostItems = 30;

}  // namespace

std::string DeficiencyForm::ItemEntry(int n) {
    return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10);
}

std::vector<std::string> DeficiencyForm::ItemEntries(int itemCount) {
    std::vector<std::string> entries;
    for (int n = 1; n <= kMostItems && n <= itemCount; ++n)
        entries.push_back(ItemEntry(n));
    return entries;
}

void DeficiencyForm::Open(const NodeTable& table, const Catalogue& catalogue, const oToken& record,
                          UserPort& port) {
    catalogue_ = &catalogue;
    photos_ = ReadPhotoList(record);
    const oToken* questionnaire = table.Parent(record);
    const std::string title = questionnaire ? questionnaire->GetField(field::kTitle) : std::string();
    caption_ = text::kDeficienciesFor + title;

    // Unchecked: a title that does not begin with two digits gives a number outside 0..22.
    q_ = UncheckedTwoDigitNumber(title);
    if (q_ < 0 || q_ >= Catalogue::kQuestionnaires) {
        port.ShowMessage(text::kNotFromQuestionnaire);
        q_ = 0;
        items_.clear();
    } else {
        items_ = ItemEntries(catalogue.ItemCount(q_));
    }
    if (!questionnaire || questionnaire->GetKind(field::kKind) != kind::kQuestionnaire) items_.clear();

    location_ = questionnaire ? QuestionnaireLocation(table, *questionnaire) : std::string();
    itemText_ = record.GetField(field::kItem);
    recommendation_ = record.GetField(field::kRecommendation);
    detected_ = record.GetField(field::kDeficiencyDetected);
    code_ = WorkingCopy(record.GetField(field::kValuationCode));
    selected_.fill(kNone);
    picked_.clear();

    ShowInterventionLevel();
    ShowConsequences();
    ShowProbability();
    ShowExposure();
    ShowDeficiencyLevel();
}

void DeficiencyForm::WriteBack(oToken& record) const {
    record.SetField(field::kItem, itemText_);
    record.SetField(field::kRecommendation, recommendation_);
    record.SetField(field::kValuationCode, code_);
    record.SetField(field::kDeficiencyDetected, detected_);
    WritePhotoList(record, photos_);
}

void DeficiencyForm::Reflect(int group) {
    selected_[group] = IsSet(group, code_[group]) ? code_[group] - '0' : kNone;
}

void DeficiencyForm::ShowInterventionLevel() {
    Reflect(kLevel);
}

void DeficiencyForm::ShowConsequences() {
    Reflect(kConsequences);
    DeriveInterventionLevel();
}

void DeficiencyForm::ShowProbability() {
    Reflect(kProbability);
    DeriveInterventionLevel();
}

void DeficiencyForm::ShowExposure() {
    Reflect(kExposure);
    DeriveProbability();
}

void DeficiencyForm::ShowDeficiencyLevel() {
    Reflect(kDeficiency);
    DeriveProbability();
}

void DeficiencyForm::DeriveProbability() {
    const std::optional<char> probability = ProbabilityFor(code_[kExposure], code_[kDeficiency]);
    if (!probability) return;
    code_[kProbability] = *probability;
    ShowProbability();
    DeriveInterventionLevel();
}

void DeficiencyForm::DeriveInterventionLevel() {
    const std::optional<char> level = InterventionLevelFor(code_[kConsequences], code_[kProbability]);
    if (!level) return;
    code_[kLevel] = *level;
    ShowInterventionLevel();
}

void DeficiencyForm::Choose(int group, char value) {
    code_[group] = value;
    selected_[group] = value - '0';
}

void DeficiencyForm::ChooseConsequences(char value) {
    Choose(kConsequences, value);
    ShowConsequences();
}

void DeficiencyForm::ChooseExposure(char value) {
    Choose(kExposure, value);
    DeriveProbability();
}

void DeficiencyForm::ChooseDeficiencyLevel(char value) {
    Choose(kDeficiency, value);
    DeriveProbability();
}

void DeficiencyForm::cmbSelect(const std::string& entry) {
    const int n = TwoDigitNumber(entry);
    if (n == 0 || !catalogue_) return;
    picked_ = entry;
    switch (catalogue_->ItemDegree(q_, n)) {
        case 'D':
            ChooseDeficiencyLevel('0');
            break;
        case 'M':
            ChooseDeficiencyLevel('1');
            break;
        default:
            ChooseDeficiencyLevel('2');
            break;
    }
    recommendation_ = catalogue_->ItemRecommendation(q_, n);
    itemText_ = std::to_string(n) + ". " + catalogue_->ItemText(q_, n);
}
