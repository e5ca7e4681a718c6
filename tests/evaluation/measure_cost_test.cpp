#include <gtest/gtest.h>

#include "cp1252.h"
#include "measure_cost.h"

TEST(MeasureCost, TakesEurosAsSpanishUsersTypeThem) {
    const std::pair<const char*, long long> typed[] = {
        {"1250", 125000},  {"1250,5", 125050}, {"1250,50", 125050}, {"1.250,50", 125050},
        {" 85,9 ", 8590},  {"0", 0},           {"007,05", 705},     {"1.000.000", 100000000},
        {"999999999,99", measure_cost::kMaxCents},
    };
    for (const auto& [text, cents] : typed)
        EXPECT_EQ(measure_cost::Cents(text), cents) << text;
    EXPECT_EQ(measure_cost::Cents(W("450 €")), 45000) << "a euro sign after the number";
}

TEST(MeasureCost, RefusesWhatIsNoAmount) {
    for (const char* text : {"", "  ", "12.5", "1.25", "12,345", "-30", "+30", "1,", ",5", "mil", "1 250",
                             "1.2500", "1000000000", "12,5a", "1,2,3"})
        EXPECT_FALSE(measure_cost::Cents(text)) << '"' << text << '"';
}

TEST(MeasureCost, StoredWithACommaAndTwoDecimalsShownWithThousands) {
    EXPECT_EQ(measure_cost::Stored("1.250,5"), "1250,50");
    EXPECT_EQ(measure_cost::Stored("7"), "7,00");
    EXPECT_EQ(measure_cost::Stored(" "), "") << "no cost";
    EXPECT_FALSE(measure_cost::Stored("12.5"));
    EXPECT_EQ(measure_cost::Shown(5), "0,05");
    EXPECT_EQ(measure_cost::Shown(99900), "999,00");
    EXPECT_EQ(measure_cost::Shown(125050), "1.250,50");
    EXPECT_EQ(measure_cost::Shown(measure_cost::kMaxCents), "999.999.999,99");
    EXPECT_NE(measure_cost::BadCostMessage("12.5").find(W("«12.5»")), std::string::npos);
}
