#include "book/text_section.h"

#include <stdexcept>

namespace marvoten {

void TextBlock::setLine(std::size_t i, std::string text) {
    lines_.at(i) = std::move(text);
}

TextSection::TextSection(std::string name, std::string groupCaption, int blockCount)
    : name_(std::move(name)),
      groupCaption_(std::move(groupCaption)),
      blocks_(blockCount == 2 ? 2 : 1) {}

TextBlock& TextSection::lower() {
    if (!hasLowerBlock()) throw std::logic_error(name_ + " has no lower block");
    return blocks_[1];
}

const TextBlock& TextSection::lower() const {
    if (!hasLowerBlock()) throw std::logic_error(name_ + " has no lower block");
    return blocks_[1];
}

TextBlock& TextSection::block(int i) {
    return i == 0 ? upper() : lower();
}

const TextBlock& TextSection::block(int i) const {
    return i == 0 ? upper() : lower();
}

}  // namespace marvoten
