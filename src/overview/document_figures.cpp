#include "document_figures.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <mutex>

#include "cp1252.h"
#include "day_count.h"
#include "document_reader.h"
#include "document_session.h"
#include "file_io.h"
#include "firm_data.h"
#include "format_dates.h"
#include "kinds.h"
#include "pending_points.h"
#include "texts.h"
#include "user_port.h"

namespace overview {

namespace {

// Counts the messages that reading a document gives instead of showing them.
class CountingPort : public UserPort {
public:
    int count = 0;
    void ShowMessage(const std::string&) override { ++count; }
    void ShowError(const std::string&) override { ++count; }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<FilePath> ChooseFile(const FileDialogSpec&) override { return std::nullopt; }
};

// std::localtime shares one result among threads; the lock makes its use safe.
std::mutex localTimeLock;

std::optional<Stamp> ModificationStamp(const FilePath& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const auto written =
        fs::last_write_time(fs::path(std::u8string(path.Utf8().begin(), path.Utf8().end())), error);
    if (error) return std::nullopt;
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    const std::lock_guard lock(localTimeLock);
    const std::tm* local = std::localtime(&seconds);
    if (!local) return std::nullopt;
    return Stamp{{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday}, local->tm_hour, local->tm_min};
}

plan::PlanDate DateOf(const std::string& text, DatePort& dates) {
    plan::PlanDate date{text, std::nullopt};
    if (!text.empty()) date.date = dates.FromText(text);
    return date;
}

// The system's reason without the path in front, which the row shows already.
std::string Reason(const FilePath& path, const std::string& utf8Error) {
    const std::string prefix = path.Utf8() + ": ";
    const bool prefixed = utf8Error.compare(0, prefix.size(), prefix) == 0;
    return cp1252::FromUtf8(prefixed ? utf8Error.substr(prefix.size()) : utf8Error);
}

}  // namespace

void TakeFigures(const DocumentSession& session, DatePort& dates, const Date& asOf, DocumentFigures& out) {
    const NodeTable& table = session.Table();
    if (const oToken* firm = table.Record(1)) {
        out.firm = firm->GetField(field::kName);
        const firm_data::FirmData data = firm_data::Read(*firm);
        out.taxId = data.taxId;
        out.evaluated = DateOf(firm->GetField(field::kDoneDate), dates);
        out.nextReview = DateOf(data.nextReview, dates);
    }
    for (int s = 1; s <= table.count(); ++s) {
        const oToken* record = table.Record(s);
        if (record && record->GetKind(field::kKind) == kind::kDeficiency)
            ++out.deficiencies[static_cast<int>(plan::DeficiencyLevel(*record))];
    }
    const plan::ActionPlan actionPlan = plan::BuildActionPlan(session, dates, asOf);
    for (const plan::PlanRow& row : actionPlan.rows) {
        switch (row.state) {
            case plan::State::kOverdue:
                ++out.overdue;
                out.overdueMeasures.push_back(
                    {row.place, row.measure, row.responsible, row.planned, DaysBetween(*row.planned.date, asOf)});
                break;
            case plan::State::kPending:
            case plan::State::kUndated:
                ++out.pending;
                break;
            case plan::State::kDone:
                ++out.done;
                break;
            case plan::State::kNoMeasure:
                break;
        }
    }
    out.pendingPoints = PendingPoints(session, dates, asOf);
}

DocumentFigures ReadFigures(const FoundDocument& document, const ShortDateFormat& format, const Date& asOf) {
    DocumentFigures figures;
    figures.path = document.path;
    figures.fileName = document.relative;
    figures.modified = ModificationStamp(document.path);

    std::string bytes, utf8Error;
    if (!file_io::ReadAll(document.path, bytes, &utf8Error)) {
        figures.error = Reason(document.path, utf8Error);
        return figures;
    }
    DocumentSession session;
    CountingPort port;
    document_reader::ReadLines(std::move(bytes), session.Table(), port);
    figures.warnings = port.count;
    if (session.Table().count() == 0) {
        figures.error = text::kNotADocument;
        return figures;
    }
    FormatDates dates(format, asOf);
    TakeFigures(session, dates, asOf, figures);
    return figures;
}

}  // namespace overview
