#include "tests/common/box_responder.h"

BoxResponder::BoxResponder()
{
    previous = SetMessageBoxHandler(
        [this](HWND, const char* text, const char* caption, UINT type) { return Respond(text, caption, type); });
    previousBrowser = SetFolderBrowserHandler(
        [this](HWND owner, const char* title, UINT flags) { return Browse(owner, title, flags); });
}

BoxResponder::~BoxResponder()
{
    SetFolderBrowserHandler(previousBrowser);
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

void BoxResponder::ChooseFolder(std::optional<std::string> path)
{
    const std::lock_guard<std::mutex> lock(guard);
    folders.push_back(std::move(path));
}

std::vector<RecordedBrowser> BoxResponder::Browsers() const
{
    const std::lock_guard<std::mutex> lock(guard);
    return browsers;
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

std::optional<std::string> BoxResponder::Browse(HWND owner, const char* title, UINT flags)
{
    const std::lock_guard<std::mutex> lock(guard);
    browsers.push_back(RecordedBrowser{owner, title != nullptr ? title : "", flags});
    if (folders.empty())
        return std::nullopt;
    std::optional<std::string> folder = std::move(folders.front());
    folders.pop_front();
    return folder;
}
