#include "pending_points.h"

#include "document_review.h"

namespace overview {

std::optional<int> PendingPoints(const DocumentSession& session, DatePort& dates, const Date& asOf) {
    return review::GapCount(session, dates, asOf);
}

}  // namespace overview
