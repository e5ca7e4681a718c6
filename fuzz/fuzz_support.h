#pragma once

#include <string>
#include <vector>

#include "fixed_dates.h"
#include "user_port.h"

class DocumentCommands;
class DocumentSession;

// Helpers shared by the fuzz targets. A broken property stops the fuzzer like a crash, with
// the property's text, so that libFuzzer keeps the input that broke it.
#define FUZZ_REQUIRE(condition) RequireProperty((condition), #condition, __FILE__, __LINE__)
void RequireProperty(bool holds, const char* text, const char* file, int line);

// A user who reads every message and answers "No" to every question.
class CountingPort : public UserPort {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<FilePath> ChooseFile(const FileDialogSpec&) override { return std::nullopt; }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
};

// A file name in this process's scratch folder (on a memory file system when there is one, so
// that saving costs no disk flush); the folder goes when the process ends.
FilePath ScratchFile(const std::string& name);

// The number of lines a document reader sees in the bytes.
std::size_t LineCount(const std::string& bytes);

// Every record of the table is shown by exactly one node of the tree, and a node shown under
// another hangs under the record that its field::kParent names.
void RequireTreeShowsTable(DocumentSession& session);

// Saves the document to a scratch file and checks what saving promises: slot k holds the k-th
// record of the tree's pre-order with field::kSlot = k and field::kParent = its parent's slot, and the file
// loads without a message into the same records in the same tree, and saves again to the same
// bytes.
void RequireSaveRoundTrip(DocumentSession& session, DocumentCommands& commands);
