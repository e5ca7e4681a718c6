#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalogue.h"
#include "cp1252.h"
#include "deficiency_form.h"
#include "document_lines.h"
#include "document_session.h"
#include "entry_dialog_port.h"
#include "evaluation_commands.h"
#include "fixed_dates.h"
#include "measure_form.h"
#include "scripted_port.h"

// A dialog shown to a scripted user: its caption is kept (UTF-8) and the next scripted action
// runs on its form, the action's result saying whether the user pressed "Aceptar". A dialog that
// no action awaits fails the test and is cancelled.
template <typename Form>
bool RunNextAction(Form& form, std::deque<std::function<bool(Form&)>>& actions,
                   std::vector<std::string>& shown) {
    shown.push_back(cp1252::ToUtf8(form.Caption()));
    if (actions.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << shown.back();
        return false;
    }
    auto action = std::move(actions.front());
    actions.pop_front();
    return action(form);
}

// A user at the entry dialogs: each dialog shown runs the next scripted action on its form.
class ScriptedEntryDialogs : public EntryDialogPort {
public:
    std::deque<std::function<bool(DeficiencyForm&)>> deficiencyActions;
    std::deque<std::function<bool(MeasureForm&)>> measureActions;
    std::vector<std::string> shown;  // captions in UTF-8

    bool ShowDeficiencyDialog(DeficiencyForm& form) override {
        return RunNextAction(form, deficiencyActions, shown);
    }
    bool ShowMeasureDialog(MeasureForm& form) override { return RunNextAction(form, measureActions, shown); }
};

// A small catalogue: questionnaire 00 with three items, 01 with twelve whose first four have
// the degrees M, D, none and N.
inline std::string TestCatalogueBytes() {
    std::string bytes =
        W("GGrupo\r\nC00Gestión Preventiva\r\n01Política\r\nNRecomendación 0.1\r\n"
          "02Plan\r\n03Registro\r\n"
          "C01Lugares de trabajo\r\n");
    const char degrees[] = {'M', 'D', 0, 'N'};
    for (int n = 1; n <= 12; ++n) {
        const std::string number = (n < 10 ? "0" : "") + std::to_string(n);
        bytes += number + W("Ítem ") + std::to_string(n) + "\r\n";
        const char degree = n <= 4 ? degrees[n - 1] : 'N';
        if (degree) bytes += std::string(1, degree) + W("Recomendación ") + std::to_string(n) + "\r\n";
    }
    return bytes;
}

// A firm with a zone holding a workstation with questionnaire 01, and questionnaire 00 of the
// firm itself.
inline const std::vector<std::string> kFirmLines = {
    "1\t0\tE\tTalleres Ruiz",
    "2\t1\tZ\tNave",
    "3\t2\tP\tSoldadura",
    "4\t3\tC\t01.- Lugares de trabajo",
    "5\t1\tC\t00.- Gestión Preventiva",
};

// The firm of kFirmLines with the small catalogue, a scripted user at the entry dialogs and the
// evaluation commands working on them.
struct EvaluationFixture : ::testing::Test {
    DocumentSession session;
    ScriptedPort port;
    FixedDates dates;
    Catalogue catalogue;
    ScriptedEntryDialogs dialogs;
    EvaluationCommands commands{session, catalogue, port, dates, dialogs};

    EvaluationFixture() {
        catalogue.LoadFromBytes(TestCatalogueBytes(), port);
        LoadLines(session, kFirmLines);
    }
    oToken& Record(int slot) { return *session.Table().Record(slot); }
    TreeNode* Node(int slot) { return session.Table().Node(slot); }
};
