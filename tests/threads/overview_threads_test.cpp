// Reading documents on several threads at once: the same figures as on one thread, and under
// ThreadSanitizer (scripts/test-threads) no data race in the reading code.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "folder_reading.h"
#include "overview_table.h"
#include "system_fakes.h"

namespace {

namespace fs = std::filesystem;

// A scratch folder of documents written here, without the shared test support, so that the
// sanitized build needs nothing but the toolkit-free layers: firms with dates, deficiencies of
// every level and measures overdue, pending and done; a damaged file and a pipe among them.
class ThreadFolder {
public:
    static constexpr int kDocuments = 48;

    ThreadFolder() {
        std::random_device seed;
        do path_ = fs::temp_directory_path() / ("kaldo-threads-" + std::to_string(seed()));
        while (!fs::create_directory(path_));
        for (int k = 0; k < kDocuments; ++k)
            std::ofstream(path_ / ("firma-" + std::to_string(100 + k) + ".kl3"), std::ios::binary) << Document(k);
        std::ofstream(path_ / "roto.kl3", std::ios::binary) << std::string("\0\1\2garbage", 10);
        MakeUnreadableFile(FilePath(Path().Utf8() + "/tuberia.kl3"));
    }
    ~ThreadFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    FilePath Path() const { return FilePath(path_.string()); }

private:
    static std::string Document(int k) {
        std::string out = "1\t0\tE\tFirma " + std::to_string(k) + "\t\t01/02/2026\t\t15/02/2026\t\t\tB" +
                          std::to_string(1000 + k) + "\t10000000000000000000000\t\t\t\trevision=1" +
                          std::to_string(k % 9) + "/12/2026\r\n";
        int line = 1;
        const char* codes[] = {"02000", "10332", "21222", "33332", " 0   "};
        while (line < 90) {
            const int questionnaire = ++line;
            out += std::to_string(questionnaire) + "\t1\tC\t01.- Lugares de trabajo\r\n";
            for (int d = 0; d < 5; ++d) {
                const int deficiency = ++line;
                out += std::to_string(deficiency) + '\t' + std::to_string(questionnaire) + "\tD\tItem\t\t\t\t\t\t\t" +
                       codes[(k + d) % 5] + "\r\n";
                out += std::to_string(++line) + '\t' + std::to_string(deficiency) + "\tR\tMedida\t\t0" +
                       std::to_string(1 + (k + d) % 9) + "/12/2026\tAna\t" + (d == 4 ? "01/12/2026" : "") + "\r\n";
            }
        }
        return out;
    }

    fs::path path_;
};

}  // namespace

TEST(OverviewThreads, ManyThreadsReadTheSameFiguresAsOne) {
    const ThreadFolder folder;
    std::string error;
    const auto documents = overview::ListDocuments(folder.Path(), false, &error);
    ASSERT_TRUE(documents) << error;
    ASSERT_EQ(documents->size(), static_cast<std::size_t>(ThreadFolder::kDocuments + 2));
    const ShortDateFormat format("dd/MM/yyyy");
    const Date asOf{2026, 12, 5};

    const overview::Overview one = overview::ReadOverview(folder.Path(), *documents, format, asOf, 1);
    for (int round = 0; round < 3; ++round) {
        const overview::Overview many = overview::ReadOverview(folder.Path(), *documents, format, asOf, 8);
        ASSERT_EQ(many.documents.size(), one.documents.size());
        for (std::size_t i = 0; i < one.documents.size(); ++i) {
            const overview::DocumentFigures& a = one.documents[i];
            const overview::DocumentFigures& b = many.documents[i];
            EXPECT_EQ(a.fileName, b.fileName);
            EXPECT_EQ(a.firm, b.firm);
            EXPECT_EQ(a.error, b.error);
            EXPECT_EQ(a.deficiencies, b.deficiencies);
            EXPECT_EQ(a.overdue, b.overdue);
            EXPECT_EQ(a.pending, b.pending);
            EXPECT_EQ(a.done, b.done);
            EXPECT_EQ(a.modified, b.modified);
            EXPECT_EQ(a.overdueMeasures.size(), b.overdueMeasures.size());
        }
    }
    // Each firm has 9 questionnaires of 5 deficiencies, one of each level, each with a measure;
    // the fifth one's is done, the others are planned from 01/12 to 09/12/2026, so that some
    // are overdue on the 5th.
    const overview::Totals totals = overview::Sum(one.documents);
    EXPECT_EQ(totals.documents, ThreadFolder::kDocuments + 2);
    EXPECT_EQ(totals.unreadable, 2);
    EXPECT_EQ(totals.Of(overview::Column::kCritical), 9 * ThreadFolder::kDocuments);
    EXPECT_EQ(totals.Of(overview::Column::kDone), 9 * ThreadFolder::kDocuments);
    EXPECT_GT(totals.Of(overview::Column::kOverdue).value_or(0), 0);
}
