#pragma once

#include <string>

#include "assessment.h"

class Canvas;

namespace assessment {

// The risk assessment document on a canvas (A4 portrait in the PDF), in Spanish: cover with the
// contents, method, summary, deficiencies by place, action plan and signatures; the firm's name
// at the head of every page after the cover and "Página n de N" at the foot of all. False, with
// the printer's reason, when the job could not start.
bool PrintAssessment(const Assessment& assessment, Canvas& canvas, std::string* error);

}  // namespace assessment
