#pragma once

#include <string>
#include <vector>

class Canvas;
class Catalogue;
class DocumentSession;
struct TreeNode;

// Texts of the printed branch report.
namespace printout_text {
extern const std::string kMeasure;     // before a measure's text
extern const std::string kDeficiency;  // before a deficiency's detected deficiency
// The intervention level line of a deficiency by the first character of its valuation code;
// empty when the code names no level.
std::string LevelLine(char level);
}  // namespace printout_text

// The printout of a branch of the tree: each node's shown text, and in the geographic view the
// measures in italics, each deficiency with its detected deficiency and intervention level and
// each answered questionnaire with its answers counted;
// children indented by their depth, long lines cut once at column 90, and on every page the
// reported node's parent and the firm at the top, the page number and the date at the bottom.
class BranchPrintout {
public:
    static constexpr int kIndentPerLevel = 400;
    static constexpr int kFontSize = 12;

    // today: the footer date, in the user's short date format; the catalogue gives the items that
    // a questionnaire's answers are counted against.
    BranchPrintout(const DocumentSession& session, const Catalogue& catalogue, Canvas& canvas,
                   std::string today);

    // The whole job; false, with the printer's reason, when it could not start.
    bool Print(const TreeNode& node, std::string* error);

private:
    void PrintNode(const TreeNode& node);
    void PrintLine(const std::string& text);
    // The lines a text is printed as: cut once at column 90, at its own line breaks, and
    // wherever it would run past the right edge.
    std::vector<std::string> PrintedLines(const std::string& text);
    void StartPage();

    const DocumentSession& session_;
    const Catalogue& catalogue_;
    Canvas& canvas_;
    const std::string today_;

    int headerHeight_ = 0;
    int bottomLimit_ = 0;
    int lineHeight_ = 0;
    int leftMargin_ = 0;
    int rightEdge_ = 0;
    int indent_ = 0;
    int y_ = 0;
    int page_ = 0;
    bool firstPage_ = true;
    bool pageEmpty_ = false;  // nothing drawn below the header of the current page yet
    std::string headerLeft_;
    std::string headerRight_;
};
