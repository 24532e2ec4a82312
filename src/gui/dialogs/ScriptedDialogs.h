// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/dialogs/DialogAnswerer.h"

#include <deque>
#include <optional>
#include <vector>

namespace vantrel {

// A dialog answerer for tests: hands out scripted answers in order and keeps
// every request, so a test can check what the user would have been asked.
//
//     ScriptedDialogs dialogs;
//     dialogs.openFiles = {"/tmp/x.seem"};   // the next Open dialog picks this file
//     dialogs.saveFiles = {std::nullopt};    // the next Save dialog is cancelled
//     StandardDialog::setAnswerer(&dialogs);        // undone when dialogs is destroyed
//     ...
//     EXPECT_EQ(dialogs.fileRequests.at(0).title, expectedTitle);
//     EXPECT_EQ(dialogs.messages.at(0).icon, MessageIcon::Critical);
//     dialogs.questionAnswers = {1};         // the next question: its second button
//
// Each kind of dialog has its own queue; a dialog whose queue is empty is
// answered as if the user cancelled it.
class ScriptedDialogs : public DialogAnswerer {
  public:
    // Answers, first in first out; std::nullopt (or false) scripts a cancel.
    std::deque<std::optional<QString>> openFiles;
    std::deque<std::optional<QString>> saveFiles;
    std::deque<std::optional<QColor>> colors;
    std::deque<int> questionAnswers; // button indexes; none left means Escape
    std::deque<std::optional<QString>> folders;

    // Requests, in the order they were made; Open and Save share one list.
    std::vector<FileDialogRequest> fileRequests;
    std::vector<ColorDialogRequest> colorRequests;
    std::vector<MessageRequest> messages;
    std::vector<QuestionRequest> questions;
    std::vector<FolderDialogRequest> folderRequests;
    std::vector<QUrl> openedUrls;
    bool desktopOpensUrls = true; // false: as if no browser were set up

    std::optional<QString> answerFile(const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        return next(request.kind == FileDialogKind::Open ? openFiles : saveFiles, std::nullopt);
    }
    std::optional<QColor> answerColor(const ColorDialogRequest& request) override {
        colorRequests.push_back(request);
        return next(colors, std::nullopt);
    }
    void showMessage(const MessageRequest& request) override { messages.push_back(request); }
    int answerQuestion(const QuestionRequest& request) override {
        questions.push_back(request);
        return next(questionAnswers, request.escapeButton);
    }
    std::optional<QString> answerFolder(const FolderDialogRequest& request) override {
        folderRequests.push_back(request);
        return next(folders, std::nullopt);
    }
    bool openUrl(const QUrl& url) override {
        openedUrls.push_back(url);
        return desktopOpensUrls;
    }

  private:
    template <typename T, typename Cancel> static T next(std::deque<T>& queue, Cancel cancel) {
        T answer = queue.empty() ? T(cancel) : queue.front();
        if (!queue.empty())
            queue.pop_front();
        return answer;
    }
};

} // namespace vantrel
