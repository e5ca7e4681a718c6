#pragma once

#include <array>
#include <string>
#include <vector>

#include "photo_list.h"
#include "valuation_code.h"

class Catalogue;
class NodeTable;
class oToken;
class UserPort;

// The deficiency dialog's state and behaviour: the working copy of the valuation code, the
// questionnaire number, the item list, the texts, and which button of each of the five groups
// (numbered as the code's positions) is selected. The window calls the handlers and shows the
// result; the derivations of probability and level happen here.
class DeficiencyForm {
public:
    static constexpr int kNone = -1;

    // Everything that happens before the window shows, for a new deficiency record whose field::kParent
    // names its questionnaire. A title that names no questionnaire is reported to the user.
    void Open(const NodeTable& table, const Catalogue& catalogue, const oToken& record, UserPort& port);
    // Item, recommendation, valuation code and deficiency detected from the form, in that order.
    void WriteBack(oToken& record) const;

    // The entries "01".."30" kept for a questionnaire with this many items.
    static std::vector<std::string> ItemEntries(int itemCount);
    // The entry of item n: its number in two digits.
    static std::string ItemEntry(int n);

    const std::string& Caption() const { return caption_; }
    const std::string& Location() const { return location_; }         // Edit2
    const std::vector<std::string>& Items() const { return items_; }  // cmb
    // The entry last picked from the item list, empty while none has been.
    const std::string& Picked() const { return picked_; }
    int QuestionnaireNumber() const { return q_; }
    const std::string& Code() const { return code_; }
    // The selected button of a group: 0 for its first button, kNone when none is.
    int Selected(int group) const { return selected_[group]; }

    // The three memos: item (Memo3, kItem), recommendation (Memo1, kRecommendation),
    // deficiency detected (Memo2, kDeficiencyDetected).
    const std::string& ItemText() const { return itemText_; }
    const std::string& Recommendation() const { return recommendation_; }
    const std::string& Detected() const { return detected_; }
    void SetItemText(const std::string& text) { itemText_ = text; }
    void SetRecommendation(const std::string& text) { recommendation_ = text; }
    void SetDetected(const std::string& text) { detected_ = text; }

    // The deficiency's photos (field 16).
    const PhotoList& Photos() const { return photos_; }
    void SetPhotos(const PhotoList& photos) { photos_ = photos; }

    // Each selects the button that matches its character of the code (or none), then derives.
    void ShowInterventionLevel();
    void ShowConsequences();
    void ShowProbability();
    void ShowExposure();
    void ShowDeficiencyLevel();
    void DeriveProbability();
    void DeriveInterventionLevel();

    // Clicks on the green buttons: consequences, exposure, deficiency level.
    void RadioButton5Click() { ChooseConsequences('0'); }
    void RadioButton6Click() { ChooseConsequences('1'); }
    void RadioButton7Click() { ChooseConsequences('2'); }
    void RadioButton8Click() { ChooseConsequences('3'); }
    void RadioButton13Click() { ChooseExposure('0'); }
    void RadioButton14Click() { ChooseExposure('1'); }
    void RadioButton15Click() { ChooseExposure('2'); }
    void RadioButton16Click() { ChooseExposure('3'); }
    void RadioButton17Click() { ChooseDeficiencyLevel('0'); }
    void RadioButton18Click() { ChooseDeficiencyLevel('1'); }
    void RadioButton19Click() { ChooseDeficiencyLevel('2'); }

    // An entry picked from the item list: its degree preselects the deficiency level and the
    // catalogue's texts replace the item and the recommendation.
    void cmbSelect(const std::string& entry);

private:
    void Reflect(int group);
    void ChooseConsequences(char value);
    void ChooseExposure(char value);
    void ChooseDeficiencyLevel(char value);
    void Choose(int group, char value);

    const Catalogue* catalogue_ = nullptr;
    std::string caption_;
    std::string location_;
    std::vector<std::string> items_;
    std::string picked_;
    int q_ = 0;
    std::string code_ = std::string(valuation::kPositions, ' ');
    std::array<int, valuation::kPositions> selected_{kNone, kNone, kNone, kNone, kNone};
    std::string itemText_;
    std::string recommendation_;
    std::string detected_;
    PhotoList photos_;
};
