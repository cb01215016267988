#pragma once
// Pictures of the desktop windows for looking at them: the main window, every page
// and sub-tab of the results window and every printed page, each as a PNG file.
#include <QString>
#include <filesystem>
#include <vector>

namespace marvoten {

class Desktop;

// Selects each page and sub-tab of the results window in turn and writes the
// window's picture, then draws the printed pages; returns the files written, in
// order. The main window first.
std::vector<std::filesystem::path> writeScreenshots(Desktop& desktop,
                                                    const std::filesystem::path& folder);

}  // namespace marvoten
