#pragma once
// Project assertions and fakes shared by the test binaries.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"
#include "support/non_finite.h"

namespace marvoten::testing {

// |actual - expected| <= tol, with both values in the failure message.
inline ::testing::AssertionResult near(double actual, double expected, double tol) {
    if (std::fabs(actual - expected) <= tol) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "actual " << actual << " expected " << expected << " (tolerance " << tol << ")";
}

inline ::testing::AssertionResult nearRel(double actual, double expected, double rel) {
    return near(actual, expected, std::fabs(expected) * rel);
}

// Runs `f` and checks that it throws E whose what() contains `fragment`.
template <class E, class F>
::testing::AssertionResult throwsWithMessage(F&& f, const std::string& fragment) {
    try {
        f();
    } catch (const E& e) {
        std::string what = e.what();
        if (what.find(fragment) != std::string::npos) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "message '" << what << "' lacks '" << fragment << "'";
    } catch (const std::exception& e) {
        return ::testing::AssertionFailure() << "threw another exception: " << e.what();
    }
    return ::testing::AssertionFailure() << "nothing thrown";
}

// Answers dialogs from scripted replies and records everything it was asked.
class FakeDialogs : public Dialogs {
public:
    struct Message {
        MessageKind kind;
        std::string text;
    };
    bool defaultAnswer = true;
    std::deque<bool> answers;  // consumed first, then defaultAnswer
    std::optional<std::string> fileToOpen;
    std::optional<std::string> fileToSave;

    std::vector<std::string> confirmations;
    std::vector<Message> messages;
    std::vector<FileChoiceRequest> fileRequests;
    std::vector<std::string> openedDocuments;
    bool documentsOpen = true;  // whether the desktop has a program for them

    struct Position {
        int x;
        int y;
    };
    // Where each confirmation asked to stand, in order; none for a plain confirm.
    std::vector<std::optional<Position>> confirmationPositions;

    bool confirmAt(const std::string& text, int x, int y) override {
        confirmationPositions.push_back(Position{x, y});
        return answer(text);
    }
    bool confirm(const std::string& text) override {
        confirmationPositions.push_back(std::nullopt);
        return answer(text);
    }
    bool answer(const std::string& text) {
        confirmations.push_back(text);
        if (answers.empty()) return defaultAnswer;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void message(MessageKind kind, const std::string& text) override {
        messages.push_back({kind, text});
    }
    std::optional<std::string> chooseFileToOpen(const FileChoiceRequest& r) override {
        fileRequests.push_back(r);
        return fileToOpen;
    }
    std::optional<std::string> chooseFileToSave(const FileChoiceRequest& r) override {
        fileRequests.push_back(r);
        return fileToSave;
    }
    std::deque<SaveChoice> saveChoices;  // consumed in order, then Cancel
    std::vector<std::string> saveQuestions;
    SaveChoice askToSave(const std::string& text) override {
        saveQuestions.push_back(text);
        if (saveChoices.empty()) return SaveChoice::Cancel;
        const SaveChoice c = saveChoices.front();
        saveChoices.pop_front();
        return c;
    }
    bool opensDocuments() const override { return true; }
    bool openDocument(const std::string& path) override {
        openedDocuments.push_back(path);
        return documentsOpen;
    }
};

// A fresh folder under the system temp folder, removed with the object.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        do {
            path_ = base / ("marvoten-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace marvoten::testing
