#pragma once
// The help window's content (F1): the keys and buttons of the main window in the left
// column, what they do in the right one, line for line, then the thanks.

#include <string>
#include <vector>

namespace qx {

struct HelpLine {
  std::string key;          // left column
  std::string explanation;  // right column
};

// Every line of the two columns in order; `programName` is the name the texts mention.
std::vector<HelpLine> helpLines(const std::string& programName);

enum class HelpColumn { Keys, Explanations };

// One column as the text of its label: every line ended by a line break, so that the two
// columns stay aligned line for line.
std::string helpColumnText(const std::vector<HelpLine>& lines, HelpColumn column);

}  // namespace qx
