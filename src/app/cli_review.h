#pragma once

#include <string>
#include <vector>

struct HeadlessContext;

// --revisar DOC [--a-fecha DD/MM/AAAA]: what DOC still lacks on today's date or the given one,
// one gap a line ("línea: lugar: lo que falta"); exit_status::kGaps when there is any.
int RunReview(HeadlessContext& context, const std::vector<std::string>& arguments);
