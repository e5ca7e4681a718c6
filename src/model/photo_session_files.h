#pragma once

#include <set>
#include <string>
#include <vector>

#include "file_path.h"

class DocumentSession;

// Which photo files the open document's session wrote, so that none is left behind that no
// document lists. A photo is copied into the folder as soon as it is added, before the document
// that lists it is saved; when it ends up unlisted (a dialog cancelled, a photo removed, a step
// undone, the document closed unsaved) its file goes, but only a file this session wrote and
// never one the saved document lists. Files that were in the folder before are never touched.
//
//     files.Open(PhotoFolderOf(path), ListedPhotoNames(table));    // loaded; New(): Open({}, {})
//     const std::string name = files.NewName('D', PhotosInUse(session));
//     ... write <files.FolderForAdding()>/<name> ... ; files.Added(name);
//     files.Clean(PhotosInUse(session));                           // after a save
//     files.Close();                                               // closed, new, open, quit
//
// A document never saved has no folder yet: its photos wait in a scratch folder of the system's
// temporary folder, owned by this object, until the first save copies them beside the document.
class PhotoSessionFiles {
public:
    PhotoSessionFiles() = default;
    ~PhotoSessionFiles();
    PhotoSessionFiles(const PhotoSessionFiles&) = delete;
    PhotoSessionFiles& operator=(const PhotoSessionFiles&) = delete;

    // A document was opened: its photos are in folder (empty for a document never saved), and
    // the file on disk lists savedListed.
    void Open(const FilePath& folder, std::set<std::string> savedListed);
    // Deletes what this session wrote that the saved document does not list, and forgets it.
    void Close();

    // Where the photos are shown from: the document's folder, or the scratch folder of a
    // document never saved (empty while it has none).
    const FilePath& Folder() const { return folder_.empty() ? scratch_ : folder_; }
    // The folder new photos are written to, made when missing; empty, with the system's reason,
    // when it cannot be made.
    FilePath FolderForAdding(std::string* utf8Error);

    // A name for a new photo of a record of kind that clashes with no file of the folder, no
    // name in inUse (listed by the document or its undo history), the saved document's list,
    // nor a file written in this session.
    std::string NewName(char kind, const std::set<std::string>& inUse) const;
    // The file name has been written into the folder.
    void Added(const std::string& name);
    // The given names, written in this session, are not wanted after all (a cancelled dialog):
    // their files go unless inUse or the saved document lists them.
    void Drop(const std::vector<std::string>& names, const std::set<std::string>& inUse);
    // Deletes every file written in this session that neither inUse nor the saved document lists.
    void Clean(const std::set<std::string>& inUse);

    // The document has been written to a file whose photos folder is folder and which lists
    // listed. When the folder changed, newInFolder are the files the save copied there that
    // were not there before (this session wrote them); the old folder's files written in this
    // session that its saved document does not list go, and a scratch folder goes whole.
    void Saved(const FilePath& folder, std::set<std::string> listed,
               const std::vector<std::string>& newInFolder);

    // The files written in this session and still kept (tests and the window's checks).
    const std::set<std::string>& AddedFiles() const { return added_; }

private:
    bool Deletable(const std::string& name, const std::set<std::string>& inUse) const;
    void Remove(const std::string& name);
    void RemoveScratch();
    // Removes a folder this session made and left empty.
    void RemoveEmptyMadeFolder();

    FilePath folder_;
    FilePath scratch_;
    bool madeFolder_ = false;
    std::set<std::string> savedListed_;
    std::set<std::string> added_;
};

// Every photo name that the session's document lists now or in a state its undo history can
// bring back: these files must stay while the history lasts.
std::set<std::string> PhotosInUse(const DocumentSession& session);
