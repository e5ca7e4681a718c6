#pragma once

#include "folder_scan.h"
#include "overview_figures.h"
#include "short_date_format.h"

class DocumentSession;

// The figures of one document of the folder, read without the window: safe to call on several
// threads at once (each call has its own document and dates).
namespace overview {

// Reads the document and keeps its figures on the date asOf, with the measures' states as the
// action plan gives them. A document that cannot be read gives a row with the reason; the file
// is never written.
DocumentFigures ReadFigures(const FoundDocument& document, const ShortDateFormat& format, const Date& asOf);

// The figures of a document already loaded (the file's name and time are left as they are).
void TakeFigures(const DocumentSession& session, DatePort& dates, const Date& asOf, DocumentFigures& out);

}  // namespace overview
