#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "catalogue.h"
#include "display_text.h"
#include "document_commands.h"
#include "editing_fixture.h"
#include "evaluation_commands.h"
#include "evaluation_fixture.h"
#include "questionnaire_assignment.h"
#include "questionnaire_selection_form.h"
#include "questionnaire_selection_port.h"
#include "shipped_catalogue.h"
#include "temp_dir.h"
#include "tree_drop.h"
#include "tree_editing.h"
#include "view_commands.h"

namespace {

// The selection dialog answered by a function of the form (accepting when there is none).
struct ScriptedSelection : QuestionnaireSelectionPort {
    std::function<bool(QuestionnaireSelectionForm&)> answer;
    bool RunQuestionnaireSelection(QuestionnaireSelectionForm& form) override {
        return !answer || answer(form);
    }
};

int RowOf(const std::vector<std::string>& entries, const std::string& number) {
    for (std::size_t row = 0; row < entries.size(); ++row) {
        if (entries[row].compare(0, 2, number) == 0) return static_cast<int>(row);
    }
    return -1;
}

// Every command that changes the document, on a document opened from a file:
// Firma > Nave (> Torno > 01 > deficiency > measure), Almacén, 00.
struct Workbench : EditingFixture {
    TempDir dir;
    Catalogue catalogue;
    DocumentCommands commands{session, port, dates};
    TreeEditing editing{session, port, editor,
                        [this](const TreeNode& node) { return ShownText(session, node); }};
    ScriptedSelection selection;
    QuestionnaireAssignment assignment{session, catalogue, selection, port, dates};
    ScriptedEntryDialogs entryDialogs;
    EvaluationCommands evaluation{session, catalogue, port, dates, entryDialogs};

    Workbench() {
        LoadShippedCatalogue(catalogue);
        WriteFile(dir.File("doc.kl3"),
                  W("1\t0\tE\tFirma\t\t\t\t\t\t\t\t10000000000000000000000\r\n"
                    "2\t1\tZ\tNave\r\n"
                    "3\t2\tP\tTorno\t\t\t\t\t\t\t\t01000000000000000000000\r\n"
                    "4\t3\tC\t01.- Lugares de trabajo\r\n"
                    "5\t4\tD\t2. Suelos\trecomendación\t\t\t\t\t\t13021\t\tSuelo roto\r\n"
                    "6\t5\tR\tReparar\r\n"
                    "7\t1\tZ\tAlmacén\r\n"
                    "8\t1\tC\t00.- Gestión Preventiva\r\n"));
        commands.LoadDocument(dir.File("doc.kl3"));
    }

    void Select(int slot) { session.Tree().Select(Node(slot)); }
    std::string Bytes() const { return DocumentCommands::FileBytes(session); }
    // Everything a step must restore: each slot's record (or its emptiness), the tree by slots
    // and depth with the open branches ("+"), the selection and the modified flag.
    std::string State() const {
        std::string out;
        const NodeTable& table = session.Table();
        for (int s = 1; s <= table.count(); ++s)
            out += table.Record(s) ? table.Record(s)->WriteLine() : "-\r\n";
        for (const TreeNode* node : session.Tree().PreOrder()) {
            out += std::to_string(table.SlotOf(node->record)) + "@" + std::to_string(node->Depth()) +
                   (node->expanded ? "+ " : " ");
        }
        const TreeNode* selected = session.Tree().Selected();
        out += "\nselected " + std::to_string(selected ? table.SlotOf(selected->record) : 0);
        out += session.Modified() ? " modified" : " saved";
        return out;
    }
};

// A command run on the node of a slot, selected beforehand (selecting is no step).
struct Command {
    std::string name;  // UTF-8
    int slot;
    std::function<void(Workbench&)> run;
};

const Command kCommands[] =
    {
        {"Importar", 8,
         [](Workbench& w) {
    WriteFile(w.dir.File("otro.kl3"), W("1\t0\tZ\tPatio\r\n2\t1\tP\tCarga\r\n"));
    w.commands.ImportDocument(w.dir.File("otro.kl3"));
         }},
        {"Nueva Zona", 1,
         [](Workbench& w) {
    w.dialog.steps.push_back([](NodeDataForm& form) {
        form.Values().name = W("Oficinas");
        return true;
    });
    w.editing.NewZone();
         }},
              {"Nuevo Puesto", 7,
               [](Workbench& w) {
    w.dialog.Accept();
    w.editing.NewWorkstation();
               }},
    {"Eliminar", 2,
     [](Workbench& w) {
    w.port.answers.push_back(true);
    w.editing.Delete();
     }},
    // Moved last under a zone that sits in a later slot: tree order and slot order differ.
    {"Mover", 3, [](Workbench& w) { DropNode(w.session, w.Node(3), w.Node(7), DropZone::OnNode); }},
    // Questionnaire 01 of the workstation goes with its deficiency and measure; 05 comes.
    {"Asignar Cuestionarios", 3,
     [](Workbench& w) {
    w.selection.answer = [](QuestionnaireSelectionForm& form) {
        form.Select(RowOf(form.Available(), "05"));
        form.Deselect(RowOf(form.Selected(), "01"));
        return true;
    };
    w.assignment.AsignarCuestionarios1Click();
     }},
    {"Indicar Deficiencias", 4,
     [](Workbench& w) {
    w.entryDialogs.deficiencyActions.push_back([](DeficiencyForm& form) {
        form.cmbSelect("03");
        form.SetDetected(W("Pasillo obstruido"));
        form.RadioButton6Click();
        return true;
    });
    w.evaluation.IndicarDeficiencias1Click();
     }},
    {"Indicar Medidas Prev", 5,
     [](Workbench& w) {
    w.entryDialogs.measureActions.push_back([](MeasureForm& form) {
        form.SetMeasure(W("Señalizar"));
        return true;
    });
    w.evaluation.IndicarMedidasPrev1Click();
     }},
    {"Edición de Datos", 2,
     [](Workbench& w) {
    w.dialog.steps.push_back([](NodeDataForm& form) {
        form.Values().name = W("Nave principal");
        form.Values().plannedBy = W("Ana Núñez");
        return true;
    });
    w.editing.EditSelected();
     }},
    // The firm's data, in fields the firm's line did not have.
    {"Edición de Datos", 1,
     [](Workbench& w) {
    w.dialog.steps.push_back([](NodeDataForm& form) {
        form.Values().firm.evaluator = W("Marta Gómez");
        form.Values().firm.workers = "14";
        return true;
    });
    w.editing.EditSelected();
     }},
    };

// The command of that name (UTF-8), and of that slot when two share the name.
const Command& Named(const std::string& name, int slot = 0) {
    const Command* found = nullptr;
    for (const Command& command : kCommands) {
        if (command.name != name || (slot != 0 && command.slot != slot)) continue;
        if (found) throw std::invalid_argument("more than one command " + name);
        found = &command;
    }
    if (!found) throw std::invalid_argument("no command " + name);
    return *found;
}

}  // namespace

TEST(Undo, EveryCommandIsOneStepThatUndoesAndRedoesExactly) {
    for (const Command& command : kCommands) {
        SCOPED_TRACE(command.name);
        Workbench w;
        w.Select(command.slot);
        const std::string stateBefore = w.State(), bytesBefore = w.Bytes();
        command.run(w);
        const std::string stateAfter = w.State(), bytesAfter = w.Bytes();
        ASSERT_NE(bytesAfter, bytesBefore) << "the command changed nothing";
        ASSERT_TRUE(w.session.History().CanUndo());
        EXPECT_EQ(U(w.session.History().UndoName()), command.name);
        EXPECT_TRUE(w.session.Modified());

        w.session.History().Undo();
        EXPECT_EQ(w.Bytes(), bytesBefore);
        EXPECT_EQ(w.State(), stateBefore) << "back at the opened file: not modified";
        EXPECT_FALSE(w.session.History().CanUndo()) << "one command, one step";
        EXPECT_EQ(U(w.session.History().RedoName()), command.name);

        w.session.History().Redo();
        EXPECT_EQ(w.Bytes(), bytesAfter);
        EXPECT_EQ(w.State(), stateAfter);
        EXPECT_FALSE(w.session.History().CanRedo());
        EXPECT_EQ(U(w.session.History().UndoName()), command.name);
    }
}

TEST(Undo, StepsGoBackOneByOneThroughSavesAndTheSavedStateIsTheUnmodifiedOne) {
    Workbench w;
    const std::string original = ReadFile(w.dir.File("doc.kl3"));
    w.Select(2);
    Named("Eliminar").run(w);  // deletes the zone, leaving slots 2 to 6 empty
    ASSERT_TRUE(w.commands.SaveDocument(w.dir.File("doc.kl3")));
    const std::string saved = ReadFile(w.dir.File("doc.kl3"));
    EXPECT_EQ(w.session.Table().count(), 3) << "renumbered by the save";
    w.Select(1);
    Named("Nueva Zona").run(w);

    w.session.History().Undo();
    EXPECT_FALSE(w.session.Modified()) << "back at what was saved";
    EXPECT_EQ(w.Bytes(), saved);
    w.session.History().Undo();
    EXPECT_TRUE(w.session.Modified()) << "undone past the save: the file holds something else";
    EXPECT_EQ(w.session.Table().count(), 8);
    EXPECT_EQ(w.Bytes(), original);
    w.session.History().Redo();
    EXPECT_FALSE(w.session.Modified());
    EXPECT_EQ(w.session.Table().count(), 3) << "the saved numbering comes back with the saved state";
    w.session.History().Undo();
    ASSERT_TRUE(w.commands.SaveDocument(w.dir.File("doc.kl3")));
    EXPECT_EQ(ReadFile(w.dir.File("doc.kl3")), original);
}

TEST(Undo, WhatChangesNothingIsNoStepAndANewStepForgetsWhatWasUndone) {
    Workbench w;
    w.Select(1);
    w.dialog.Cancel();
    w.editing.NewZone();
    w.Select(2);
    w.port.answers.push_back(false);
    w.editing.Delete();
    DropNode(w.session, w.Node(2), w.Node(3), DropZone::OnNode);  // into its own branch
    EXPECT_TRUE(w.session.Modified()) << "a refused drop still marks the document";
    w.dialog.Cancel();
    w.editing.EditSelected();
    EXPECT_FALSE(w.session.History().CanUndo());

    w.Select(2);
    Named("Eliminar").run(w);
    w.session.History().Undo();
    ASSERT_TRUE(w.session.History().CanRedo());
    Named("Edición de Datos", 2).run(w);  // edit the zone instead
    EXPECT_FALSE(w.session.History().CanRedo());
    EXPECT_EQ(U(w.session.History().UndoName()), "Edición de Datos");
}

TEST(Undo, TheHistoryGoesWithTheDocumentAndStepsInsideAStepAreOne) {
    Workbench w;
    {
        const UndoStep outer(w.session, W("Reorganizar"));
        Named("Mover").run(w);
        w.Select(2);
        Named("Eliminar").run(w);
    }
    EXPECT_EQ(U(w.session.History().UndoName()), "Reorganizar");
    w.session.History().Undo();
    EXPECT_FALSE(w.session.History().CanUndo());
    EXPECT_FALSE(w.session.Modified());

    // Another view shows no document: nothing done there is a step.
    const std::string bytes = w.Bytes();
    ShowView(w.session, w.catalogue, view::kTemporal);
    {
        const UndoStep step(w.session, W("Nada"));
        w.session.Table().Record(2)->SetField(field::kName, "x");
    }
    EXPECT_FALSE(w.session.History().CanUndo());
    w.session.Table().Record(2)->SetField(field::kName, "Nave");
    // Importing, which is offered in the views too, brings back the document's tree first.
    Named("Importar").run(w);
    ASSERT_EQ(U(w.session.History().UndoName()), "Importar");
    w.session.History().Undo();
    EXPECT_EQ(w.session.ViewMode(), view::kGeographic);
    EXPECT_EQ(w.Bytes(), bytes);

    for (auto replace : {+[](Workbench& w) { w.commands.New(); },
                         +[](Workbench& w) { w.commands.LoadDocument(w.dir.File("doc.kl3")); },
                         +[](Workbench& w) { w.commands.Close(); }}) {
        w.Select(2);
        Named("Edición de Datos", 2).run(w);
        w.session.SetModified(false);  // nothing to ask before the document goes
        ASSERT_TRUE(w.session.History().CanUndo());
        replace(w);
        EXPECT_FALSE(w.session.History().CanUndo());
        EXPECT_FALSE(w.session.History().CanRedo());
        if (w.session.ViewMode() == view::kNone) w.commands.LoadDocument(w.dir.File("doc.kl3"));
    }
}

TEST(Undo, TheOldestStepsGoBeyondTheLimit) {
    Workbench w;
    w.Select(2);
    for (std::size_t n = 0; n < UndoHistory::kMaxSteps + 5; ++n) {
        w.dialog.steps.push_back([n](NodeDataForm& form) {
            form.Values().name = W("Nave ") + std::to_string(n);
            return true;
        });
        w.editing.EditSelected();
    }
    std::size_t undone = 0;
    while (w.session.History().CanUndo()) {
        w.session.History().Undo();
        ++undone;
    }
    EXPECT_EQ(undone, UndoHistory::kMaxSteps);
    EXPECT_EQ(w.Field(2, field::kName), "Nave 4");
}

// The save happens with a step waiting to be redone: what redo brings back is not in the file.
TEST(Undo, RedoingAfterASaveGivesAModifiedDocumentThatClosingAsksAbout) {
    Workbench w;
    w.Select(1);
    Named("Nueva Zona").run(w);
    w.Select(2);
    Named("Eliminar").run(w);
    w.session.History().Undo();
    ASSERT_TRUE(w.session.Modified()) << "the new zone is still there";
    ASSERT_TRUE(w.commands.Save());
    const std::string saved = ReadFile(w.dir.File("doc.kl3"));
    ASSERT_FALSE(w.session.Modified());

    w.session.History().Redo();
    EXPECT_TRUE(w.session.Modified());
    w.port.questions.clear();
    w.port.answers.push_back(false);
    w.commands.Close();
    EXPECT_EQ(w.port.questions,
              std::vector<std::string>{
                  "Guardar información|El archivo actual no se ha grabado. ¿Quiere guardarlo?"});
    EXPECT_EQ(ReadFile(w.dir.File("doc.kl3")), saved);
}
