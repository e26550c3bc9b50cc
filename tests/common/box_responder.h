// Answers every message box while it lives and records what each one said.
#pragma once

#include "platform/messagebox.h"

#include <deque>
#include <mutex>
#include <string>
#include <vector>

struct RecordedBox {
    std::string caption;
    std::string text;
    UINT type;
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

private:
    int Respond(const char* text, const char* caption, UINT type);

    mutable std::mutex guard;
    std::vector<RecordedBox> boxes;
    std::deque<int> answers;
    MessageBoxHandler previous;
};
