#pragma once

#include <optional>

class DocumentSession;

namespace overview {

// The number of open points that the completeness review ("Revisar el documento") finds in a
// document; nothing while the program has no such review, and the column stays empty.
std::optional<int> PendingPoints(const DocumentSession& session);

}  // namespace overview
