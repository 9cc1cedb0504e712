#include "base/FoldedText.h"

#include "dictionary/FoldingTable.h"

namespace dd {

std::string FoldedText(std::string_view text) {
    const FoldingTable& fold = ProcessFoldingTable();
    std::string folded(text);
    for (char& c : folded) c = static_cast<char>(fold[static_cast<unsigned char>(c)]);
    return folded;
}

}  // namespace dd
