#include "platform/messagebox.h"
#include "support/boxes.h"
#include "tests/common/box_responder.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBoxes, EveryBoxReachesTheInstalledHandler)
{
    BoxResponder responder;
    InfoBox("This location is already listed.", "Information");
    ErrorBox("Temp file wasn't created. The process will be terminated.", "Samefold");
    responder.Answer(IDYES);
    EXPECT_TRUE(AskYesNo("Do you really want to stop scanning?", "Samefold"));
    EXPECT_FALSE(AskYesNo("Do you really want to stop scanning?", "Samefold"));

    const std::vector<RecordedBox> boxes = responder.Boxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].caption, "Information");
    EXPECT_EQ(boxes[0].type, MB_ICONINFORMATION | MB_OK);
    EXPECT_EQ(boxes[1].text, "Temp file wasn't created. The process will be terminated.");
    EXPECT_EQ(boxes[1].type, MB_ICONERROR | MB_OK);
    EXPECT_EQ(boxes[2].type, MB_ICONWARNING | MB_YESNO);
}

TEST(MessageBoxes, WithoutAHandlerTheBoxGoesToStandardErrorAndAnswersNo)
{
    const MessageBoxHandler previous = SetMessageBoxHandler(nullptr);
    ::testing::internal::CaptureStderr();
    const bool answer = AskYesNo("Continue?", "Samefold");
    const std::string written = ::testing::internal::GetCapturedStderr();
    SetMessageBoxHandler(previous);
    EXPECT_FALSE(answer);
    EXPECT_EQ(written, "Samefold: Continue?\n");
}

}  // namespace
