#pragma once

#include <set>
#include <string>
#include <vector>

#include "checklist_answers.h"

class Catalogue;
class oToken;

// The answering dialog's state and behaviour ("Cuestionario NN.- título"): the catalogue's items
// of one questionnaire with an answer each, the current item, the keys that answer it and move
// on, and what "Aceptar" leaves for the command. An item that has a deficiency is "No" and stays
// so while the deficiency exists.
class ChecklistForm {
public:
    struct Item {
        int number = 0;    // from 1
        std::string text;  // the catalogue's item text
        char degree = 0;   // the catalogue's degree letter: 'D', 'M', 'N', or NUL for none
        checklist::Answer answer = checklist::Answer::kNone;
        bool locked = false;  // a deficiency of this item exists
    };

    // The items of questionnaire q (0..22) with the answers that its record holds;
    // itemsWithDeficiency: the numbers of the items that have a deficiency under it.
    void Open(const Catalogue& catalogue, int q, const oToken& questionnaire,
              const std::set<int>& itemsWithDeficiency);

    const std::string& Caption() const { return caption_; }
    // The lines of the catalogue's note block that hold text.
    const std::vector<std::string>& Notes() const { return notes_; }
    const std::vector<Item>& Items() const { return items_; }
    // The index in Items() of the current item; -1 when there are no items.
    int Current() const { return current_; }

    void SetCurrent(int index);
    void MoveNext();
    void MovePrevious();
    // Answers the item at index; a locked item keeps its "No" and the answer is refused (false).
    bool SetAnswer(int index, checklist::Answer answer);
    // A key typed over the list: S "Sí", N "No" and P "No procede", in either case, answer the
    // current item and move to the next one. Returns whether the key was one of them.
    bool KeyTyped(char key);
    // "Marcar pendientes como Sí": every item not answered becomes "Sí".
    void MarkPendingAsYes();

    checklist::Tally Counts() const;
    // "18 de 24 respondidos".
    std::string CountText() const;
    // The name of the deficiency level that a degree letter preselects ("Muy deficiente" ...).
    static std::string DegreeName(char degree);

    // The answers, one per item in item order.
    std::vector<checklist::Answer> Answers() const;
    // The numbers of the items answered "No" here that were not "No" when the form opened and have
    // no deficiency yet: each of them needs one.
    std::vector<int> NewlyNo() const;

private:
    std::string caption_;
    std::vector<std::string> notes_;
    std::vector<Item> items_;
    std::vector<checklist::Answer> opened_;  // the answers when the form opened
    int current_ = -1;
};
