// Generated documents: whatever tree of records the program holds (built by adding, deleting and
// moving nodes as the commands do), saving it and loading the file gives back the same records
// in the same tree.
#include <gtest/gtest.h>

#include <random>

#include "document_commands.h"
#include "document_session.h"
#include "kinds.h"
#include "scripted_port.h"
#include "temp_dir.h"

namespace {

// A text a user can type into a field: any byte but TAB, CR, LF and Ctrl-Z, with line breaks
// (CR LF) of memo texts, and no "~~" nor a "~" right before a line break, which the line form
// cannot tell from a line break.
std::string RandomText(std::mt19937& random) {
    std::string text;
    const int length = std::uniform_int_distribution<int>(0, 40)(random);
    for (int k = 0; k < length; ++k) {
        const int roll = std::uniform_int_distribution<int>(0, 19)(random);
        if (roll == 0 && !text.empty() && text.back() != '~') {
            text += "\r\n";
        } else if (roll == 1 && (text.empty() || text.back() != '~')) {
            text += '~';
        } else {
            char c;
            do {
                c = static_cast<char>(std::uniform_int_distribution<int>(1, 255)(random));
            } while (c == '\t' || c == '\r' || c == '\n' || c == '\x1A' || c == '~');
            text += c;
        }
    }
    if (!text.empty() && text.back() == '~' && std::uniform_int_distribution<int>(0, 1)(random)) text += 'x';
    return text;
}

std::unique_ptr<oToken> RandomRecord(std::mt19937& random) {
    auto record = std::make_unique<oToken>();
    record->SetField(field::kKind,
                     std::string(1, "EZPCDRX"[std::uniform_int_distribution<int>(0, 6)(random)]));
    const int count = std::uniform_int_distribution<int>(field::kKind, oToken::kMaxFields)(random);
    for (int index = field::kLabel; index <= count; ++index)
        record->SetField(index, RandomText(random));
    return record;
}

// A document grown as the commands grow one: records appended under random nodes, some
// branches deleted (leaving empty slots), some nodes moved under later ones.
void GrowDocument(DocumentSession& session, ScriptedPort& port, std::mt19937& random) {
    const int steps = std::uniform_int_distribution<int>(1, 120)(random);
    for (int step = 0; step < steps; ++step) {
        const std::vector<TreeNode*> nodes = session.Tree().PreOrder();
        auto pick = [&]() -> TreeNode* {
            if (nodes.empty()) return nullptr;
            return nodes[std::uniform_int_distribution<std::size_t>(0, nodes.size() - 1)(random)];
        };
        const int action = std::uniform_int_distribution<int>(0, 9)(random);
        if (action == 0 && nodes.size() > 2) {
            session.DeleteSubtree(pick());
        } else if (action == 1 && nodes.size() > 2) {
            TreeNode* node = pick();
            TreeNode* parent = pick();
            if (!parent->IsInBranchOf(node))
                session.Tree().Move(node, parent, static_cast<int>(parent->children.size()));
        } else {
            TreeNode* parent = std::uniform_int_distribution<int>(0, 7)(random) ? pick() : nullptr;
            oToken* record = session.AppendRecord(RandomRecord(random), port);
            if (!record) return;
            record->SetFieldInt(field::kParent, parent ? session.Table().SlotOf(parent->record) : 0);
            TreeNode* node = session.Tree().AddChild(parent, record->GetField(field::kLabel), record,
                                                     KindIcon(record->GetKind(field::kKind)));
            session.Table().SetNode(record->GetFieldInt(field::kSlot), node);
        }
    }
}

// The tree as the user sees it: each node's depth and its record's fields other than the
// numbers, which saving renumbers.
std::vector<std::string> Shape(const DocumentSession& session) {
    std::vector<std::string> shape;
    for (const TreeNode* node : session.Tree().PreOrder()) {
        std::string entry = std::to_string(node->Depth()) + "|" + std::to_string(node->record->count());
        for (int index = field::kKind; index <= node->record->count(); ++index)
            entry += "|" + node->record->GetField(index);
        shape.push_back(entry);
    }
    return shape;
}

}  // namespace

TEST(RoundTrip, EverySavedDocumentLoadsBackToTheSameRecordsAndTree) {
    TempDir dir;
    const FilePath path = dir.File("doc.kl3");
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        DocumentSession session;
        ScriptedPort port;
        FixedDates dates;
        DocumentCommands commands(session, port, dates);
        GrowDocument(session, port, random);
        if (session.Tree().Empty()) continue;

        const std::vector<std::string> shown = Shape(session);
        ASSERT_TRUE(commands.SaveDocument(path));
        EXPECT_EQ(Shape(session), shown) << "saving changes nothing the user sees";

        DocumentSession loaded;
        DocumentCommands reload(loaded, port, dates);
        ASSERT_EQ(reload.LoadDocument(path), DocumentCommands::LoadResult::Loaded);
        // The random texts of a deficiency's or a measure's field 16 name photos that the
        // document's folder does not have: loading says so, and nothing else.
        for (const std::string& message : port.messages)
            EXPECT_EQ(message.rfind("Falta la foto ", 0), 0u) << message;
        ASSERT_EQ(loaded.Table().count(), static_cast<int>(shown.size()));
        for (int s = 1; s <= loaded.Table().count(); ++s)
            ASSERT_EQ(*loaded.Table().Record(s), *session.Table().Record(s)) << "slot " << s;
        EXPECT_EQ(Shape(loaded), shown);
    }
}

TEST(RoundTrip, DocumentsNearTheLimitKeepEveryRecord) {
    TempDir dir;
    std::mt19937 random(7);
    DocumentSession session;
    ScriptedPort port;
    FixedDates dates;
    DocumentCommands commands(session, port, dates);
    while (!session.Table().Full())
        GrowDocument(session, port, random);
    ASSERT_TRUE(commands.SaveDocument(dir.File("full.kl3")));
    DocumentSession loaded;
    DocumentCommands reload(loaded, port, dates);
    reload.LoadDocument(dir.File("full.kl3"));
    EXPECT_EQ(Shape(loaded), Shape(session));
}
