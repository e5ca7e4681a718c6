#include "document_commands.h"

#include <memory>
#include <unordered_map>
#include <vector>

#include "cp1252.h"
#include "date_port.h"
#include "document_reader.h"
#include "document_session.h"
#include "file_io.h"
#include "kinds.h"
#include "load_messages.h"
#include "photo_folder.h"
#include "texts.h"

DocumentCommands::DocumentCommands(DocumentSession& session, UserPort& port, DatePort& dates)
    : session_(session), port_(port), dates_(dates) {}

FileDialogSpec DocumentCommands::OpenDialog() {
    return {FileDialogSpec::Mode::Open, "Abrir archivo ...",
            "Archivos kaldo 3.1 (*.kl3)|*.kl3|Cualquier archivo (*.*)|*.*", "kl3", FilePath()};
}

FileDialogSpec DocumentCommands::SaveDialog(const FilePath& proposed) {
    return {FileDialogSpec::Mode::Save, "Guardar como ...",
            "Archivos KALDO 3.1 (*.kl3)|*.kl3|Todos archivos (*.*)|*.*", "kl3", proposed,
            /*confirmOverwrite=*/false};
}

void DocumentCommands::ShowNoDocument() {
    session_.SetTreeVisible(false);
    session_.ClearDocument();
    session_.SetViewMode(view::kNone);
    session_.EnableDocumentCommands(false);
    session_.SetCaption("");
}

DocumentCommands::LoadResult DocumentCommands::LoadDocument(const FilePath& path) {
    if (!file_io::Exists(path)) return LoadResult::Missing;
    // A folder, a pipe or a device is refused before the open document is given up.
    if (const auto refusal = file_io::ReadRefusal(path)) {
        port_.ShowError(cp1252::FromUtf8(*refusal));
        return LoadResult::Refused;
    }
    // Read before the open document is given up: a file that cannot be read leaves it open,
    // under its name and caption, unasked.
    std::string bytes, utf8Error;
    if (!file_io::ReadAll(path, bytes, &utf8Error)) {
        port_.ShowError(cp1252::FromUtf8(utf8Error));
        return LoadResult::ReadError;
    }
    if (session_.ViewMode() != view::kNone && !AskSaveChanges()) return LoadResult::Abandoned;
    session_.ClearDocument();

    LoadMessages messages(port_);
    document_reader::ReadLines(std::move(bytes), session_.Table(), messages);
    // A photo the document lists but its folder lacks stays listed: it may come back with the folder.
    for (const MissingPhoto& missing : MissingPhotos(session_.Table(), PhotoFolderOf(path)))
        messages.ShowMessage(MissingPhotoMessage(missing));
    messages.Finish();

    session_.SetModified(false);
    if (session_.Table().count() == 0) {
        port_.ShowMessage(text::kNotADocument);
        ShowNoDocument();
        return LoadResult::NotADocument;
    }
    session_.Photos().Open(PhotoFolderOf(path), ListedPhotoNames(session_.Table()));
    session_.SetFileName(path);
    session_.SetCaption(path.Utf8());
    session_.RebuildTree();
    session_.SetTreeVisible(true);
    session_.EnableDocumentCommands(true);
    return LoadResult::Loaded;
}

namespace {

// The document as the file holds it, with the records in the order written and the parent
// line of each.
struct WrittenDocument {
    std::vector<oToken*> records;
    std::vector<TreeNode*> nodes;
    std::vector<int> parentLines;
    std::string bytes;
};

WrittenDocument WriteDocument(const DocumentSession& session) {
    // Records are numbered by their line in the file, in pre-order; a parent's line comes first.
    WrittenDocument written;
    auto& [records, nodes, parentLines, bytes] = written;
    std::unordered_map<const TreeNode*, int> lineOf;
    for (TreeNode* node : session.Tree().PreOrder()) {
        if (!node->record) continue;
        records.push_back(node->record);
        nodes.push_back(node);
        const int line = static_cast<int>(records.size());
        lineOf[node] = line;
        const auto parent = lineOf.find(node->parent);
        const int parentLine = parent == lineOf.end() ? 0 : parent->second;
        parentLines.push_back(parentLine);
        oToken copy = *node->record;
        copy.SetFieldInt(field::kSlot, line);
        copy.SetFieldInt(field::kParent, parentLine);
        bytes += copy.WriteLine();
    }
    return written;
}

}  // namespace

std::string DocumentCommands::FileBytes(const DocumentSession& session) {
    return WriteDocument(session).bytes;
}

bool DocumentCommands::SaveDocument(const FilePath& path) {
    auto [records, nodes, parentLines, bytes] = WriteDocument(session_);
    // A file that could not be opened again is not written.
    if (bytes.size() > file_io::kLargestFile) {
        port_.ShowError(W("El documento ocupa más de 64 MB y no se puede guardar: acorte sus textos."));
        return false;
    }
    std::string utf8Error;
    // The photos go first: a document saved elsewhere must not list photos its folder lacks.
    // Those a step of the history lists go too, so that "Deshacer" finds them there.
    const FilePath folder = PhotoFolderOf(path);
    std::vector<std::string> copied;
    if (!CopyPhotos(PhotosInUse(session_), PhotoSource(), folder, &copied, &utf8Error) ||
        !file_io::WriteAtomically(path, bytes, &utf8Error)) {
        RemovePhotoFiles(folder, copied);
        port_.ShowError(cp1252::FromUtf8(utf8Error));
        return false;
    }
    session_.Photos().Saved(folder, ListedPhotoNames(session_.Table()), copied);
    session_.Photos().Clean(PhotosInUse(session_));
    for (std::size_t k = 0; k < records.size(); ++k) {
        records[k]->SetFieldInt(field::kSlot, static_cast<int>(k) + 1);
        records[k]->SetFieldInt(field::kParent, parentLines[k]);
    }
    session_.Table().Reindex(records, nodes);
    session_.SetModified(false);
    session_.History().MarkSaved();
    return true;
}

FilePath DocumentCommands::PhotoSource() const {
    if (!session_.Photos().Folder().empty()) return session_.Photos().Folder();
    // A document that was never given its folder (a recovered one) keeps its photos beside its file.
    const FilePath& name = session_.FileName();
    return name.empty() || name == text::kNewDocumentName ? FilePath() : PhotoFolderOf(name);
}

void DocumentCommands::ImportDocument(const FilePath& path) {
    if (!file_io::Exists(path)) return;
    std::string bytes, utf8Error;
    if (!file_io::ReadAll(path, bytes, &utf8Error)) {
        port_.ShowError(cp1252::FromUtf8(utf8Error));
        return;
    }
    // The import ends in the document's tree; starting from it lets the step be undone.
    if (session_.ViewMode() != view::kGeographic) session_.RebuildTree();
    const UndoStep step(session_, W("Importar"));
    LoadMessages messages(port_);
    document_reader::AppendLines(std::move(bytes), session_, messages);
    messages.Finish();
    session_.RebuildTree();
    session_.SetTreeVisible(true);
    session_.SetModified(true);
}

bool DocumentCommands::AskSaveChanges() {
    if (!session_.Modified() || session_.FileName().empty()) return true;
    if (port_.AskYesNo(text::kSaveQuestion, text::kSaveCaption)) {
        if (session_.ViewMode() != view::kGeographic) session_.RebuildTree();
        return SaveDocument(session_.FileName());
    }
    DiscardDocument();
    return true;
}

void DocumentCommands::DiscardDocument() {
    session_.SetTreeVisible(false);
    session_.ClearDocument();
    session_.SetViewMode(view::kNone);
    session_.SetModified(false);
}

void DocumentCommands::New() {
    if (!AskSaveChanges()) return;
    session_.ClearDocument();
    session_.Photos().Open(FilePath(), {});  // its photos wait in a scratch folder until saved

    auto firm = std::make_unique<oToken>();
    firm->SetField(field::kSlot, "1");
    firm->SetField(field::kParent, "0");
    firm->SetField(field::kKind, "E");
    firm->SetField(field::kName, text::kNewFirm);
    firm->SetField(field::kAssignmentFlags, text::kNewFirmFlags);
    auto questionnaire = std::make_unique<oToken>();
    questionnaire->SetField(field::kSlot, "2");
    questionnaire->SetField(field::kParent, "1");
    questionnaire->SetField(field::kKind, "C");
    questionnaire->SetField(field::kTitle, text::kFirstQuestionnaire);
    questionnaire->SetField(field::kPlannedDate, dates_.ToText(dates_.Today()));

    NodeTable& table = session_.Table();
    DocumentTree& tree = session_.Tree();
    table.Put(1, std::move(firm));
    table.Put(2, std::move(questionnaire));
    TreeNode* firmNode = tree.AddChild(nullptr, text::kNewFirm, table.Record(1), icon::kFirm);
    table.SetNode(1, firmNode);
    table.SetNode(2,
                  tree.AddChild(firmNode, text::kFirstQuestionnaire, table.Record(2), icon::kQuestionnaire));

    session_.SetTreeVisible(true);
    tree.Expand(firmNode);
    session_.SetFileName(text::kNewDocumentName);
    session_.SetCaption(cp1252::ToUtf8(text::kNewFirm));
    session_.EnableDocumentCommands(true);
    session_.SetModified(true);
    session_.SetViewMode(view::kGeographic);
}

void DocumentCommands::Open() {
    if (auto path = port_.ChooseFile(OpenDialog())) LoadDocument(*path);
}

void DocumentCommands::Import() {
    if (auto path = port_.ChooseFile(OpenDialog())) ImportDocument(*path);
}

bool DocumentCommands::Save() {
    if (session_.FileName() == text::kNewDocumentName || session_.FileName().empty()) return SaveAs();
    return SaveDocument(session_.FileName());
}

bool DocumentCommands::SaveAs() {
    auto path = port_.ChooseFile(SaveDialog(session_.FileName()));
    if (!path) return false;
    // The document takes the new name only once the file holds it: after a failed save the
    // caption still names the old file, and "&Guardar" writes there.
    if (!SaveDocument(*path)) return false;
    session_.SetFileName(*path);
    session_.SetCaption(path->Utf8());
    return true;
}

void DocumentCommands::Close() {
    if (!AskSaveChanges()) return;
    ShowNoDocument();
}

bool DocumentCommands::MayQuit() {
    return AskSaveChanges();
}
