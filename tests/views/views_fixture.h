#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue.h"
#include "cp1252.h"
#include "document_session.h"
#include "scripted_port.h"
#include "shipped_catalogue.h"
#include "tree_observer.h"
#include "tree_outline.h"
#include "view_commands.h"

// What the tree told its observer while a view was shown.
struct TreeEvents : TreeObserver {
    explicit TreeEvents(DocumentSession& session) : session(session) {}
    void BeginReset() override {
        ++resets;
        visibleDuringReset = visibleDuringReset || session.TreeVisible();
    }
    void BeginInsert(TreeNode*, int) override { ++inserts; }
    void BeginRemove(TreeNode*, int) override { ++removals; }
    void ExpandRequested(TreeNode* node) override { expanded.push_back(cp1252::ToUtf8(node->text)); }
    void Reset() {
        resets = inserts = removals = 0;
        visibleDuringReset = false;
        expanded.clear();
    }

    DocumentSession& session;
    int resets = 0;
    int inserts = 0;
    int removals = 0;
    bool visibleDuringReset = false;
    std::vector<std::string> expanded;
};

// A session filled with records written as document lines ("|" stands for TAB, texts in
// UTF-8), and the catalogue the program ships.
struct ViewsTest : ::testing::Test {
    ViewsTest() {
        LoadShippedCatalogue(catalogue);
        session.Tree().SetObserver(&events);
    }
    ~ViewsTest() override { session.Tree().SetObserver(nullptr); }

    // One record per line in the next slot; a line "-" leaves its slot empty.
    void Fill(const std::vector<std::string>& lines) {
        for (const std::string& line : lines) {
            auto record = std::make_unique<oToken>();
            std::string fields = W(line);
            for (char& c : fields) {
                if (c == '|') c = '\t';
            }
            record->ParseLine(fields);
            session.Table().Append(std::move(record));
            if (line == "-") session.Table().Free(session.Table().count());
        }
    }

    // The tree after choosing the view, as lines of icon and text (UTF-8).
    std::string Shown(view::Mode mode) {
        ShowView(session, catalogue, mode);
        return cp1252::ToUtf8(TreeOutline(session));
    }

    // Every slot's record as its file line ("" for an empty slot).
    std::vector<std::string> Records() const {
        std::vector<std::string> out;
        for (int s = 1; s <= session.Table().count(); ++s) {
            const oToken* record = session.Table().Record(s);
            out.push_back(record ? record->WriteLine() : std::string());
        }
        return out;
    }

    ScriptedPort port;
    Catalogue catalogue;
    DocumentSession session;
    TreeEvents events{session};
};
