#include <gtest/gtest.h>

#include "short_date_format.h"

TEST(ShortDate, WritesFourDigitYearsAndTwoDigitDaysAndMonths) {
    EXPECT_EQ(ShortDateFormat("dd/MM/yyyy").Format({2026, 3, 15}), "15/03/2026");
    EXPECT_EQ(ShortDateFormat("d/M/yy").Format({2026, 3, 5}), "05/03/2026");
    EXPECT_EQ(ShortDateFormat("d/M/yy").Pattern(), "dd/MM/yyyy");
    EXPECT_EQ(ShortDateFormat("yyyy-MM-dd").Format({2026, 12, 8}), "2026-12-08");
    EXPECT_EQ(ShortDateFormat("M/d/yy").Format({2026, 12, 8}), "12/08/2026");
    EXPECT_EQ(ShortDateFormat("").Pattern(), "dd/MM/yyyy");
}

TEST(ShortDate, ReadsWhatItWritesAndShortForms) {
    const ShortDateFormat format("dd/MM/yyyy");
    EXPECT_EQ(format.Parse("15/03/2026"), (Date{2026, 3, 15}));
    EXPECT_EQ(format.Parse("5/3/2026"), (Date{2026, 3, 5}));
    EXPECT_EQ(format.Parse("05/03/26"), (Date{2026, 3, 5}));
    EXPECT_EQ(format.Parse("05/03/49"), (Date{2049, 3, 5}));
    EXPECT_EQ(format.Parse("05/03/50"), (Date{1950, 3, 5}));
    EXPECT_EQ(format.Parse("29/02/2024"), (Date{2024, 2, 29}));
}

TEST(ShortDate, RefusesWhatIsNotADate) {
    const ShortDateFormat format("dd/MM/yyyy");
    for (const char* text : {"", " ", "15-03-2026", "15/13/2026", "32/01/2026", "29/02/2025", "15/03/2026 ",
                             "15/03/202", "15/03", "abc", "15/03/20266", "0/03/2026"}) {
        EXPECT_FALSE(format.Parse(text).has_value()) << '"' << text << '"';
    }
}
