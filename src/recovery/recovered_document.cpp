#include "recovered_document.h"

#include "cp1252.h"
#include "document_commands.h"
#include "document_reader.h"
#include "document_session.h"
#include "load_messages.h"
#include "photo_folder.h"
#include "recovery_copy.h"
#include "texts.h"

bool OpenRecoveredCopy(const RecoveryCopy& copy, DocumentSession& session, DocumentCommands& commands,
                       UserPort& port) {
    if (session.ViewMode() != view::kNone && !commands.AskSaveChanges()) return false;
    session.ClearDocument();
    LoadMessages messages(port);
    document_reader::ReadLines(copy.bytes, session.Table(), messages);
    messages.Finish();
    if (session.Table().count() == 0) {
        port.ShowMessage(text::kNotADocument);
        session.SetTreeVisible(false);
        session.ClearDocument();
        session.SetViewMode(view::kNone);
        session.EnableDocumentCommands(false);
        session.SetCaption("");
        session.SetModified(false);
        return false;
    }
    const bool isNew = copy.document.empty() || copy.document == text::kNewDocumentName;
    // Its photos are those beside its document; none of them is this session's to delete.
    session.Photos().Open(isNew ? FilePath() : PhotoFolderOf(copy.document),
                          isNew ? std::set<std::string>() : ListedPhotoNames(session.Table()));
    session.SetFileName(isNew ? text::kNewDocumentName : copy.document);
    session.SetCaption(isNew ? cp1252::ToUtf8(text::kNewFirm) : copy.document.Utf8());
    session.RebuildTree();
    session.SetTreeVisible(true);
    session.EnableDocumentCommands(true);
    session.SetModified(true);
    return true;
}
