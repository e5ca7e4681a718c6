#pragma once

#include <string>

// What a reader sees in the manual and the help pages that the build writes, in UTF-8 with every
// run of white space made one blank, so that tests can look for the program's captions in it.

// The text of an RTF document: control words, picture data and font, colour and style tables
// left out.
std::string RtfText(const std::string& rtf);
// The text of an HTML page written in Windows-1252: tags left out, character references decoded.
std::string HtmlText(const std::string& html);

// The built manual (build/docs/manual.rtf) and all the built help pages (build/docs/ayuda/*.htm)
// as one text, in page-name order.
std::string ManualText();
std::string HelpText();
