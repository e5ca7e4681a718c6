#include "cli_review.h"

#include <ostream>

#include "cli_document.h"
#include "cli_plan.h"
#include "command_line.h"
#include "cp1252.h"
#include "document_review.h"

int RunReview(HeadlessContext& context, const std::vector<std::string>& arguments) {
    const std::optional<Date> asOf =
        AsOfArgument(context, arguments, 1, "Uso: kaldo --revisar DOC [--a-fecha DD/MM/AAAA]");
    if (!asOf) return exit_status::kUsage;

    HeadlessDocument document(context, FilePath(arguments[0]));
    if (document.status != exit_status::kOk) return document.status;
    const std::vector<review::Gap> gaps = review::Review(document.session, context.dates, *asOf);
    for (const review::Gap& gap : gaps)
        context.out << cp1252::ToUtf8(review::GapLine(gap)) << '\n';
    if (gaps.empty()) {
        context.out << "El documento está completo\n";
        return exit_status::kOk;
    }
    context.err << cp1252::ToUtf8(review::PendingText(static_cast<int>(gaps.size()))) << '\n';
    return exit_status::kGaps;
}
