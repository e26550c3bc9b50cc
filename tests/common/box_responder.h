// Answers every message box and folder browser while it lives and records
// what each one said.
#pragma once

#include "platform/folderbrowser.h"
#include "platform/messagebox.h"

#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct RecordedBox {
    std::string caption;
    std::string text;
    UINT type;
};

struct RecordedBrowser {
    HWND owner;
    std::string title;
    UINT flags;
};

class BoxResponder {
public:
    BoxResponder();
    ~BoxResponder();
    BoxResponder(const BoxResponder&) = delete;
    BoxResponder& operator=(const BoxResponder&) = delete;

    // Queues the answer to the next box that asks; without one, a question is
    // answered No and any other box OK.
    void Answer(int button);
    std::vector<RecordedBox> Boxes() const;

    // Queues the folder the next browser returns (nothing: cancel); without
    // one, the browser is cancelled.
    void ChooseFolder(std::optional<std::string> path);
    std::vector<RecordedBrowser> Browsers() const;

private:
    int Respond(const char* text, const char* caption, UINT type);
    std::optional<std::string> Browse(HWND owner, const char* title, UINT flags);

    mutable std::mutex guard;
    std::vector<RecordedBox> boxes;
    std::deque<int> answers;
    std::vector<RecordedBrowser> browsers;
    std::deque<std::optional<std::string>> folders;
    MessageBoxHandler previous;
    FolderBrowserHandler previousBrowser;
};
