#pragma once

#include "ui/common/UserDialogs.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// Answers message boxes and file dialogs from a script and records what was asked.
class ScriptedDialogs : public zg::UserDialogs {
  public:
    struct FileAsk {
        bool save = false;
        zg::FileDialogRequest request;
    };

    std::deque<zg::MessageAnswer> answers;        // Ok (or Cancel for two buttons) when empty
    std::deque<std::optional<QString>> fileNames; // cancelled when empty
    std::vector<zg::MessageRequest> messages;
    std::vector<FileAsk> fileAsks;
    std::function<void()> duringMessage; // runs while a box "is open"

    zg::MessageAnswer showMessage(QWidget*, const zg::MessageRequest& request) override {
        messages.push_back(request);
        bool open = true, withdrawn = false;
        if (request.withdrawWhen)
            request.withdrawWhen([&open, &withdrawn] { withdrawn = open; });
        if (duringMessage)
            duringMessage();
        open = false;
        if (withdrawn)
            return zg::MessageAnswer::Withdrawn;
        if (answers.empty())
            return request.buttons == zg::MessageButtons::Ok ? zg::MessageAnswer::Ok
                                                             : zg::MessageAnswer::Cancel;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<QString> getOpenFileName(QWidget*, const zg::FileDialogRequest& request) override {
        return next(false, request);
    }
    std::optional<QString> getSaveFileName(QWidget*, const zg::FileDialogRequest& request) override {
        return next(true, request);
    }
    std::deque<std::optional<int>> choices; // cancelled when empty
    std::vector<zg::ItemRequest> choiceAsks;
    std::optional<int> chooseItem(QWidget*, const zg::ItemRequest& request) override {
        return answer(choices, choiceAsks, request);
    }
    std::deque<std::optional<QString>> texts; // cancelled when empty
    std::vector<zg::TextRequest> textAsks;
    std::optional<QString> getText(QWidget*, const zg::TextRequest& request) override {
        return answer(texts, textAsks, request);
    }
    QStringList webAddresses;
    bool browserFound = true;
    bool openWebAddress(const QString& address) override {
        webAddresses << address;
        return browserFound;
    }

  private:
    // Notes the question and gives the next scripted answer, or Cancel.
    template <typename Answer, typename Request>
    static std::optional<Answer> answer(std::deque<std::optional<Answer>>& answers,
                                        std::vector<Request>& asks, const Request& request) {
        asks.push_back(request);
        if (answers.empty())
            return std::nullopt;
        auto next = answers.front();
        answers.pop_front();
        return next;
    }
    std::optional<QString> next(bool save, const zg::FileDialogRequest& request) {
        fileAsks.push_back({save, request});
        if (fileNames.empty())
            return std::nullopt;
        auto name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};

// Records that the program asked to end instead of ending the test process.
class RecordingEnd : public zg::ProgramEnd {
  public:
    int calls = 0;
    void endNow() override { ++calls; }
};
