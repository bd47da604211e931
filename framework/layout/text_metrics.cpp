#include "text_metrics.h"

#include "utf8.h"

#include <cmath>
#include <string>

namespace {

// The number of lines one paragraph (no line breaks) takes at `width`: words are laid out one
// after another while they fit, as a browser or a label wraps them.
int ParagraphLines(const TextMetrics& metrics, std::string_view paragraph, int width) {
    int lines = 1;
    std::string line;
    std::size_t start = 0;
    while (start <= paragraph.size()) {
        std::size_t end = paragraph.find(' ', start);
        if (end == std::string_view::npos) {
            end = paragraph.size();
        }
        std::string_view word = paragraph.substr(start, end - start);
        const std::string candidate =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        if (line.empty() || metrics.TextWidth(candidate) <= width) {
            line = candidate;
        } else {
            ++lines;
            line = std::string(word);
        }
        // A word wider than the line is broken between characters.
        while (metrics.TextWidth(line) > width && line.size() > 1) {
            std::size_t fits = 0;
            for (std::size_t next = Utf8CharacterLength(line[0]); next < line.size();
                 next += Utf8CharacterLength(line[next])) {
                if (metrics.TextWidth(std::string_view(line).substr(0, next)) > width) {
                    break;
                }
                fits = next;
            }
            fits = fits ? fits : Utf8CharacterLength(line[0]);
            line.erase(0, fits);
            ++lines;
        }
        start = end + 1;
    }
    return lines;
}

} // namespace

DialogBaseUnits TextMetrics::BaseUnits() const {
    int letters = 0;
    for (char c = 'A'; c <= 'Z'; ++c) {
        letters +=
            int(std::lround(LetterAdvance(c))) + int(std::lround(LetterAdvance(char(c + 32))));
    }
    return {(letters / 26 + 1) / 2, LineHeight()};
}

int TextMetrics::WrappedHeight(std::string_view text, int width) const {
    int lines = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        lines += ParagraphLines(*this, text.substr(start, end - start), width);
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return lines * BaseUnits().y;
}
