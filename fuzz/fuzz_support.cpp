#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "document_commands.h"
#include "document_session.h"
#include "file_io.h"
#include "line_source.h"

void RequireProperty(bool holds, const char* text, const char* file, int line) {
    if (holds) return;
    std::fprintf(stderr, "\n*** Property broken at %s:%d: %s\n", file, line, text);
    std::abort();
}

namespace {

// The scratch folder, removed at exit (also after a broken property: abort skips this, and the
// folder is then left in /dev/shm or the temporary folder).
class ScratchFolder {
public:
    ScratchFolder() {
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = (base / "kaldo-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            RequireProperty(false, "a scratch folder can be made", __FILE__, __LINE__);
        path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};

}  // namespace

FilePath ScratchFile(const std::string& name) {
    static ScratchFolder folder;
    return FilePath(folder.path + "/" + name);
}

std::size_t LineCount(const std::string& bytes) {
    LineSource lines(bytes);
    std::size_t n = 0;
    for (; !lines.AtEnd(); ++n)
        lines.NextLine();
    return n;
}

void RequireTreeShowsTable(DocumentSession& session) {
    const NodeTable& table = session.Table();
    int records = 0;
    for (int s = 1; s <= table.count(); ++s) {
        const oToken* record = table.Record(s);
        if (!record) continue;
        ++records;
        const TreeNode* node = table.Node(s);
        FUZZ_REQUIRE(node != nullptr);
        FUZZ_REQUIRE(node->record == record);
        if (node->parent != session.Tree().Root()) {
            FUZZ_REQUIRE(node->parent->record != nullptr);
            FUZZ_REQUIRE(table.SlotOf(node->parent->record) == record->GetFieldInt(field::kParent));
        }
    }
    FUZZ_REQUIRE(session.Tree().PreOrder().size() == static_cast<std::size_t>(records));
}

namespace {

void RequireNumberedInPreOrder(DocumentSession& session) {
    const NodeTable& table = session.Table();
    const std::vector<TreeNode*> order = session.Tree().PreOrder();
    FUZZ_REQUIRE(order.size() == static_cast<std::size_t>(table.count()));
    for (int k = 1; k <= table.count(); ++k) {
        const TreeNode* node = order[k - 1];
        FUZZ_REQUIRE(table.Record(k) == node->record);
        FUZZ_REQUIRE(table.Node(k) == node);
        FUZZ_REQUIRE(node->record->GetField(field::kSlot) == std::to_string(k));
        const bool topLevel = node->parent == session.Tree().Root();
        const int parentSlot = topLevel ? 0 : table.SlotOf(node->parent->record);
        FUZZ_REQUIRE(node->record->GetField(field::kParent) == std::to_string(parentSlot));
    }
}

std::string Contents(const FilePath& path) {
    std::string bytes;
    FUZZ_REQUIRE(file_io::ReadAll(path, bytes, nullptr));
    return bytes;
}

}  // namespace

void RequireSaveRoundTrip(DocumentSession& session, DocumentCommands& commands) {
    const FilePath path = ScratchFile("saved.kl3");
    FUZZ_REQUIRE(commands.SaveDocument(path));
    FUZZ_REQUIRE(!session.Modified());
    RequireNumberedInPreOrder(session);
    const std::string saved = Contents(path);
    FUZZ_REQUIRE(LineCount(saved) == static_cast<std::size_t>(session.Table().count()));

    CountingPort port;
    FixedDates dates;
    DocumentSession reloaded;
    DocumentCommands reload(reloaded, port, dates);
    FUZZ_REQUIRE(reload.LoadDocument(path) == DocumentCommands::LoadResult::Loaded);
    FUZZ_REQUIRE(port.messages.empty());
    FUZZ_REQUIRE(reloaded.Table().count() == session.Table().count());
    for (int s = 1; s <= session.Table().count(); ++s)
        FUZZ_REQUIRE(*reloaded.Table().Record(s) == *session.Table().Record(s));
    RequireNumberedInPreOrder(reloaded);

    const FilePath again = ScratchFile("again.kl3");
    FUZZ_REQUIRE(reload.SaveDocument(again));
    FUZZ_REQUIRE(Contents(again) == saved);
}
