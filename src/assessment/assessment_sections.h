#pragma once

#include "assessment.h"

class PageFlow;

// The sections of the assessment document, each drawn on the flow from where it stands, below
// its heading. assessment_printout.cpp puts them together, each on a page of its own.
namespace assessment {

// The cover: title, firm, firm data, the evaluation's dates, the result at a glance.
void PrintCover(PageFlow& flow, const Assessment& assessment);
// The method of valuation and its two tables, in the levels' colours.
void PrintMethod(PageFlow& flow);
// Deficiencies by level (a chart and a table), questionnaires applied, the plan's states.
void PrintSummary(PageFlow& flow, const Assessment& assessment);
// Every place in the order of the tree with its questionnaires, deficiencies and measures.
void PrintFindings(PageFlow& flow, const Assessment& assessment);
// The action plan's table.
void PrintPlan(PageFlow& flow, const Assessment& assessment);
// The annex: what the document still lacks, by group, a gap a line.
void PrintAnnex(PageFlow& flow, const Assessment& assessment);
// The signatures' heading and boxes, together on one page.
void PrintSignatures(PageFlow& flow, const Assessment& assessment, const std::string& heading);

}  // namespace assessment
