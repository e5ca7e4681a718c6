#pragma once

#include <map>
#include <memory>
#include <string>

#include "catalogue.h"
#include "cp1252.h"
#include "document_session.h"
#include "print_port.h"
#include "recording_canvas.h"

// A document built record by record for the report tests. Texts are given in UTF-8.
struct TestDocument {
    DocumentSession session;
    Catalogue catalogue;  // empty unless a test loads one

    // Adds a record under the record of slot parent (0: top level) and returns its slot.
    int Add(int parent, char kind, const std::string& text, const std::map<int, std::string>& fields = {}) {
        auto record = std::make_unique<oToken>();
        record->SetFieldInt(field::kParent, parent);
        record->SetField(field::kKind, std::string(1, kind));
        record->SetField(field::kLabel, W(text));
        for (const auto& [index, value] : fields)
            record->SetField(index, W(value));
        return session.Table().Append(std::move(record))->GetFieldInt(field::kSlot);
    }
    // Shows the records as the geographic tree.
    void Build() { session.RebuildTree(); }
    TreeNode* Node(int slot) const { return session.Table().Node(slot); }
};

// A print dialog answered from a script, printing on a recording canvas.
class ScriptedPrintPort : public PrintPort {
public:
    Choice ChoosePrinter(bool offerPrintToFile, const std::string& documentName) override {
        offered.push_back(offerPrintToFile);
        names.push_back(documentName);
        if (choices.empty()) return Choice::Cancelled;
        const Choice choice = choices.front();
        choices.erase(choices.begin());
        return choice;
    }
    Canvas& Printer() override { return canvas; }
    void SetBusy(bool busy) override { busy ? ++busyOn : ++busyOff; }

    std::vector<Choice> choices;  // an unscripted dialog is cancelled
    std::vector<bool> offered;    // whether each dialog offered the print-to-file box
    std::vector<std::string> names;
    RecordingCanvas canvas;
    int busyOn = 0;
    int busyOff = 0;
};
