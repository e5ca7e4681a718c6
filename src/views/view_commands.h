#pragma once

#include "document_session.h"

class Catalogue;

// The commands of the "Vistas" menu. view::kGeographic rebuilds the document tree from the
// node table; view::kTemporal, kValuation and kRisk replace the tree's content by that
// arrangement, switch saving and dragging off and show it with its first node expanded. None
// of them changes a record, the node table's records or the modified flag.
void ShowView(DocumentSession& session, const Catalogue& catalogue, view::Mode mode);
