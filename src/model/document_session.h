#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "document_tree.h"
#include "file_path.h"
#include "node_table.h"
#include "photo_session_files.h"
#include "undo_history.h"

class UserPort;

// What the main window's tree shows: no document, the document itself (geographic), or one of
// the arrangements of the "Vistas" menu.
namespace view {
enum class Mode { kNone, kGeographic, kTemporal, kValuation, kRisk };
using enum Mode;
}  // namespace view

// Follows a session: the window that mirrors its state, and whatever shows the document's content.
class SessionObserver {
public:
    virtual ~SessionObserver() = default;
    // The window state (caption, enabled commands, modified flag, history ...) changed.
    virtual void StateChanged() {}
    // The document's tree or what one of its nodes shows changed.
    virtual void DocumentChanged() {}
};

// The open document and the main window's state around it: the node table that owns the
// records, the tree that shows them, the file name, the modified flag, the view mode, the
// caption and which commands are enabled. Commands change it; the window mirrors it.
class DocumentSession {
public:
    DocumentSession();
    DocumentSession(const DocumentSession&) = delete;
    DocumentSession& operator=(const DocumentSession&) = delete;

    NodeTable& Table() { return table_; }
    const NodeTable& Table() const { return table_; }
    DocumentTree& Tree() { return tree_; }
    const DocumentTree& Tree() const { return tree_; }

    // Observers are told in the order they were added; each is removed before it goes.
    void AddObserver(SessionObserver* observer);
    void RemoveObserver(SessionObserver* observer);
    // The steps of "Deshacer" and "Rehacer"; a command becomes one with an UndoStep.
    UndoHistory& History() { return history_; }
    const UndoHistory& History() const { return history_; }
    void HistoryChanged() { NotifyStateChanged(); }

    // The photo files this session wrote; closing the document deletes those left unlisted.
    PhotoSessionFiles& Photos() { return photos_; }
    const PhotoSessionFiles& Photos() const { return photos_; }

    const FilePath& FileName() const { return fileName_; }
    void SetFileName(const FilePath& name) { fileName_ = name; }
    bool Modified() const { return modified_; }
    void SetModified(bool on) { Change(modified_, on); }
    view::Mode ViewMode() const { return viewMode_; }
    void SetViewMode(view::Mode mode) { Change(viewMode_, mode); }
    // The window caption, in UTF-8: a document's file name as the file system spells it (it may
    // hold characters that Windows-1252 has not), or "<Nueva Empresa>".
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { Change(caption_, caption); }
    bool TreeVisible() const { return treeVisible_; }
    void SetTreeVisible(bool on) { Change(treeVisible_, on); }
    // "&Importar ...", "&Imprimir", "&Cerrar" and the four views (EnableDocumentCommands).
    bool DocumentCommandsEnabled() const { return documentCommands_; }
    // "&Guardar" and "G&uardar como ...": on while the document's own tree is shown, from which
    // the file is written; off with no document and in the views.
    bool SaveCommandsEnabled() const { return viewMode_ == view::kGeographic; }
    // Nodes are dragged only in the document's own tree.
    bool DragEnabled() const { return viewMode_ == view::kGeographic; }

    void EnableDocumentCommands(bool on);

    // The kind letter of the selected node's record; a blank when there is none.
    char SelectedKind() const;
    oToken* SelectedRecord() const;
    // The selected node, when its record is of one of `kinds`; otherwise shows `refusal` and gives
    // nullptr. With nothing selected it gives nullptr and shows nothing.
    TreeNode* SelectedOfKind(std::initializer_list<char> kinds, const std::string& refusal,
                             UserPort& port) const;

    // Adds a record at the next slot; at the limit shows "ERROR.- Alcanzado el máximo",
    // adds nothing and leaves the record with the caller (then nullptr is returned).
    oToken* AppendRecord(std::unique_ptr<oToken>&& record, UserPort& port);
    // Appends `record` as a child of `parent` of the given kind, its node captioned with the
    // field `captionField`; the new node, or nullptr when the table is full (the record is dropped
    // and "ERROR.- Alcanzado el máximo" shown).
    TreeNode* AttachRecord(TreeNode& parent, std::unique_ptr<oToken> record, char kind, int captionField,
                           UserPort& port);
    // Builds the geographic tree from the node table.
    void RebuildTree();
    void SetNodeIcon(TreeNode* node, int icon) { tree_.SetIcon(node, icon); }
    // Frees the records of a node and of all its descendants and empties their slots (the
    // slots stay counted); then removes the node with its branch from the tree.
    void DeleteSubtree(TreeNode* node);
    // Removes every tree node, frees every record and forgets the document's history; the photo
    // files written for it and left unsaved go.
    void ClearDocument();

private:
    template <typename T>
    void Change(T& member, const T& value) {
        if (member == value) return;
        member = value;
        NotifyStateChanged();
    }
    void NotifyStateChanged();
    void NotifyDocumentChanged();

    NodeTable table_;
    DocumentTree tree_;
    std::vector<SessionObserver*> observers_;
    UndoHistory history_{*this};
    PhotoSessionFiles photos_;
    FilePath fileName_;
    bool modified_ = false;
    view::Mode viewMode_ = view::kNone;
    std::string caption_;
    bool treeVisible_ = false;
    bool documentCommands_ = false;
};
