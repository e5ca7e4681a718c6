#pragma once

#include <set>
#include <string>
#include <vector>

#include "file_path.h"
#include "photo_list.h"

class NodeTable;

// The folder beside a document that holds its photos: "Talleres del Norte fotos/" for
// "Talleres del Norte.kl3". Moving the document together with it keeps every photo.
FilePath PhotoFolderOf(const FilePath& document);

// Whether two names are the same folder (however each is spelt).
bool SameFolder(const FilePath& a, const FilePath& b);

// Every photo name the document's records list.
std::set<std::string> ListedPhotoNames(const NodeTable& table);

// A name for a new photo of a record of the given kind that is neither listed by the document,
// nor a file in the folder, nor in taken: "D-0001.jpg", "R-0002.jpg"... The number is the first
// free one, never a line number, so renumbering the lines on save leaves every name valid.
std::string NewPhotoName(char kind, const FilePath& folder, const std::set<std::string>& taken);

// A photo that a record lists and the folder lacks.
struct MissingPhoto {
    int line;  // the record's number (its line in the saved document)
    std::string file;
};
std::vector<MissingPhoto> MissingPhotos(const NodeTable& table, const FilePath& folder);
// The load message for one: "Falta la foto D-0001.jpg de la línea 17" (Windows-1252).
std::string MissingPhotoMessage(const MissingPhoto& missing);

// Copies the photos the document lists from the photos folder of one document file to that of
// another, so that the document saved elsewhere keeps them ("G&uardar como ...", --normalizar).
// Nothing happens when both are the same folder or nothing is listed; a listed photo absent at
// the source is skipped (loading already said so). False, with the system's message, when a
// photo could not be copied.
bool CopyListedPhotos(const NodeTable& table, const FilePath& fromDocument, const FilePath& toDocument,
                      std::string* utf8Error);
// The same from one photos folder to another for the given names; created receives the names
// that were not in the target folder before.
bool CopyPhotos(const std::set<std::string>& names, const FilePath& fromFolder, const FilePath& toFolder,
                std::vector<std::string>* created, std::string* utf8Error);
// Deletes the named files of a photos folder (copies that a failed save leaves unused).
void RemovePhotoFiles(const FilePath& folder, const std::vector<std::string>& names);
