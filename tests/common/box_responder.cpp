#include "tests/common/box_responder.h"

BoxResponder::BoxResponder()
{
    previous = SetMessageBoxHandler(
        [this](HWND, const char* text, const char* caption, UINT type) { return Respond(text, caption, type); });
}

BoxResponder::~BoxResponder()
{
    SetMessageBoxHandler(previous);
}

void BoxResponder::Answer(int button)
{
    const std::lock_guard<std::mutex> lock(guard);
    answers.push_back(button);
}

std::vector<RecordedBox> BoxResponder::Boxes() const
{
    const std::lock_guard<std::mutex> lock(guard);
    return boxes;
}

int BoxResponder::Respond(const char* text, const char* caption, UINT type)
{
    const std::lock_guard<std::mutex> lock(guard);
    boxes.push_back(RecordedBox{caption != nullptr ? caption : "", text != nullptr ? text : "", type});
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
}
