#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "action_plan.h"
#include "cp1252.h"
#include "document_commands.h"
#include "document_lines.h"
#include "document_session.h"
#include "fixed_dates.h"
#include "scripted_port.h"
#include "temp_dir.h"

// tests/data/plan.kl3, written by hand: a measure of every state (overdue, pending on the
// plan's date, undated, with a planned date that is no date, done), a deficiency without
// measure, a deficiency without level, every level, measures resources and comments with ';',
// quotes and line breaks. Opened as "&Abrir ..." opens it; its plan is taken on 08/12/2026.
struct PlanDocument : ::testing::Test {
    DocumentSession session;
    ScriptedPort port;
    FixedDates dates{{2026, 12, 8}};
    DocumentCommands commands{session, port, dates};

    PlanDocument() {
        EXPECT_EQ(commands.LoadDocument(TestData("plan.kl3")), DocumentCommands::LoadResult::Loaded);
    }
    plan::ActionPlan Plan(Date asOf = {2026, 12, 8}) { return plan::BuildActionPlan(session, dates, asOf); }
};
