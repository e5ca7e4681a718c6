#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cp1252.h"
#include "document_lines.h"
#include "document_session.h"
#include "node_data_editor.h"
#include "node_data_form.h"
#include "scripted_port.h"

// A data editor window driven by a script: each run hands the form to the next step of the
// script, which may change the values and answers "Aceptar" (true) or "Cancelar" (false).
struct ScriptedEditorDialog : NodeDataDialogPort {
    std::vector<std::function<bool(NodeDataForm&)>> steps;
    std::vector<std::string> captions;  // UTF-8, one per run

    bool Run(NodeDataForm& form) override {
        captions.push_back(cp1252::ToUtf8(form.Caption()));
        if (steps.empty()) return false;
        auto step = steps.front();
        steps.erase(steps.begin());
        return step(form);
    }
    void Accept() {
        steps.push_back([](NodeDataForm&) { return true; });
    }
    void Cancel() {
        steps.push_back([](NodeDataForm&) { return false; });
    }
};

// A session with a scripted user, fixed dates and a scripted editor window.
struct EditingFixture {
    DocumentSession session;
    ScriptedPort port;
    FixedDates dates;
    ScriptedEditorDialog dialog;
    NodeDataEditor editor{session, dialog, port, dates};

    // The data editor's form of a slot, opened; fails the test when it does not open.
    std::unique_ptr<NodeDataForm> Open(int slot) {
        auto form = std::make_unique<NodeDataForm>(session.Table(), *Node(slot), dates);
        EXPECT_TRUE(form->Open(port));
        return form;
    }
    oToken& Record(int slot) { return *session.Table().Record(slot); }
    TreeNode* Node(int slot) { return session.Table().Node(slot); }
    std::string Field(int slot, int field) { return cp1252::ToUtf8(Record(slot).GetField(field)); }
    // The tree as "text(children...)" in pre-order, to compare whole structures.
    std::string Outline() const { return Outline(session.Tree().Root()); }
    static std::string Outline(const TreeNode* node) {
        std::string out;
        for (const auto& child : node->children) {
            out += cp1252::ToUtf8(child->text);
            if (!child->children.empty()) out += "(" + Outline(child.get()) + ")";
            if (child != node->children.back()) out += " ";
        }
        return out;
    }
};
