#include "box_text.h"

#include "canvas.h"
#include "spanish_syllables.h"

int WrapText(Canvas& canvas, int x, int y, int width, int step, const std::string& text) {
    const int w = canvas.TextWidth("W");
    const int h = canvas.TextHeight("W");
    int px = x + w;
    int py = y + h;
    int height = h + step;
    int avail = width - 2 * w;

    std::string rest = text;
    // The emptiness test of rest only matters for a box narrower than its own padding.
    while (!rest.empty() && canvas.TextWidth(rest) > avail) {
        std::string word = SplitFirstWord(rest);
        // A number or an acronym moves to the next line whole; only one wider than a whole line
        // is broken.
        const int wordWidth = canvas.TextWidth(word);
        if (!MayHyphenate(word) && wordWidth > avail && wordWidth <= width - 2 * w) {
            px = x + w;
            py += step;
            height += step;
            avail = width - 2 * w;
        }
        bool first = true;
        while (!word.empty() && canvas.TextWidth(word) > avail) {
            const std::string syllable = SplitFirstSyllable(word);
            const int syllableWidth = canvas.TextWidth(syllable);
            // A comma or stop left over at the end of a word stays with it: carried to the next
            // line it would follow a hyphen ("ocular-" / ", ...").
            const bool punctuation = syllable.find_first_not_of("(),.:; ") == std::string::npos;
            if (syllableWidth > avail && !punctuation) {
                if (!first) canvas.DrawText(px, py, "-");
                px = x + w;
                py += step;
                height += step;
                avail = width - 2 * w;
            }
            canvas.DrawText(px, py, syllable);
            first = false;
            px += syllableWidth;
            avail -= syllableWidth;
            // Taking a syllable off leaves a blank at the end of the rest of the word. Counted, it
            // could hyphenate a word already printed whole, or never fit a very narrow box.
            word.erase(word.find_last_not_of(' ') + 1);
        }
        word += ' ';
        canvas.DrawText(px, py, word);
        const int drawnWidth = canvas.TextWidth(word);
        px += drawnWidth;
        avail -= drawnWidth;
    }
    canvas.DrawText(px, py, rest);

    height += h;
    canvas.DrawRectangle(x, y, x + width, y + height);
    return height;
}
