#pragma once

#include <string>

#include "action_plan.h"

// Short texts about a plan, in Windows-1252: what the plan window shows above its table and
// what the main window's status bar says about overdue measures.
namespace plan {

// "3 vencidas · 5 pendientes · 12 realizadas · 2 sin medida": the states that have rows, in
// the order of State; "Ninguna deficiencia" for a plan without rows.
std::string CountsText(const PlanCounts& counts);

// "2 medidas vencidas · próxima: 15/12/2026 Instalar barandilla": the overdue measures and the
// pending measure due first; the empty text when no measure is overdue.
std::string OverdueText(const ActionPlan& plan);

// "Coste previsto: 3.450,00 € (Crítico 1.200,00 €, A corregir 2.250,00 €) · pendiente: 2.250,00 €":
// the measures' planned cost, by the levels that have some, and what the measures not done
// yet will cost; the empty text when no measure has a cost.
std::string CostText(const PlanCounts& counts);
// "1.250,50 €".
std::string EurosText(long long cents);

// "Plan de acción · Talleres del Norte" ("Plan de acción" for a firm without name).
std::string HeadingText(const ActionPlan& plan);
// "Plan de acción · Talleres del Norte · a fecha de 08/12/2026".
std::string TitleText(const ActionPlan& plan);

}  // namespace plan
