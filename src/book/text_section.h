#pragma once
// A text section of the book: one or two blocks of report lines.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace marvoten {

// An ordered list of lines; a line may be empty and has any length.
class TextBlock {
public:
    void clear() { lines_.clear(); }
    void addLine(std::string text) { lines_.push_back(std::move(text)); }
    void addLines(std::initializer_list<std::string> lines) { lines_.insert(lines_.end(), lines); }
    // Replaces line i of lines already written (std::out_of_range otherwise).
    void setLine(std::size_t i, std::string text);

    std::size_t lineCount() const { return lines_.size(); }
    const std::string& line(std::size_t i) const { return lines_.at(i); }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

class TextSection {
public:
    TextSection(std::string name, std::string groupCaption, int blockCount);

    const std::string& name() const { return name_; }
    const std::string& groupCaption() const { return groupCaption_; }

    // 1 or 2. The outputs treat the blocks separately, upper first.
    int blockCount() const { return static_cast<int>(blocks_.size()); }
    bool hasLowerBlock() const { return blocks_.size() == 2; }
    TextBlock& upper() { return blocks_[0]; }
    const TextBlock& upper() const { return blocks_[0]; }
    // std::logic_error for a one-block section.
    TextBlock& lower();
    const TextBlock& lower() const;
    // Block 0 (upper) or 1 (lower).
    TextBlock& block(int i);
    const TextBlock& block(int i) const;

    // The upper block's operations, for the one-block sections.
    void clear() { upper().clear(); }
    void addLine(std::string text) { upper().addLine(std::move(text)); }
    void addLines(std::initializer_list<std::string> lines) { upper().addLines(lines); }
    void setLine(std::size_t i, std::string text) { upper().setLine(i, std::move(text)); }
    std::size_t lineCount() const { return upper().lineCount(); }
    const std::string& line(std::size_t i) const { return upper().line(i); }

private:
    std::string name_;
    std::string groupCaption_;
    std::vector<TextBlock> blocks_;
};

}  // namespace marvoten
