#pragma once

#include <optional>

#include "date_port.h"

class DocumentSession;

namespace overview {

// The number of open points that the completeness review ("Revisar el documento") finds in a
// document on the overview's date.
std::optional<int> PendingPoints(const DocumentSession& session, DatePort& dates, const Date& asOf);

}  // namespace overview
