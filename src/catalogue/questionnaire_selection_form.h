#pragma once

#include <string>
#include <vector>

#include "date_port.h"

// The state of the questionnaire selection dialog: the available and the selected
// questionnaires, each list kept sorted, and the probable inspection date. Texts are
// Windows-1252. A questionnaire is known by the two-digit number its entry begins with.
class QuestionnaireSelectionForm {
public:
    // The 23 entries that the available list starts with, 00 to 22.
    static const std::vector<std::string>& FixedEntries();

    // The node's name (field::kName) makes the caption; the flags say which entries start
    // selected; the date is what the picker shows.
    QuestionnaireSelectionForm(const std::string& nodeName, const std::string& flags, const Date& date);

    const std::string& Caption() const { return caption_; }
    const std::vector<std::string>& Available() const { return available_; }
    const std::vector<std::string>& Selected() const { return selected_; }

    // Moving a single entry does nothing for a row outside its list (no entry selected).
    void SelectAll();
    void Select(int availableRow);
    void Deselect(int selectedRow);
    void DeselectAll();

    // The assignment flags of the selected entries: exactly 23 characters.
    std::string Flags() const;

    Date date;

private:
    static bool Move(std::vector<std::string>& from, int row, std::vector<std::string>& to);

    std::string caption_;
    std::vector<std::string> available_;
    std::vector<std::string> selected_;
};
