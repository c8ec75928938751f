#include "cloud/ui/CloudMainWindowPoster.h"
#include "platform/ui/Wnd.h"
#include "tests/support/ui/TestApplication.h"

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

namespace
{
class RecordingWindow : public QWidget, public Wnd
{
public:
    RecordingWindow() : Wnd(this) {}
    std::vector<WindowMessage> received;

protected:
    LResult WindowProc(const WindowMessage& message) override
    {
        received.push_back(message);
        return 0;
    }
};
}

TEST(CloudMainWindowPosterTest, PostsFromAnotherThreadUntilTheWindowIsGone)
{
    TestApplication::Ensure();
    auto window = std::make_unique<RecordingWindow>();
    CloudMainWindowPoster poster(window->GetSafeHwnd());
    bool posted = false;
    std::thread worker([&] { posted = poster.PostMessage(0x627, 7, 200); });
    worker.join();
    EXPECT_TRUE(posted);
    QCoreApplication::processEvents();
    ASSERT_EQ(window->received.size(), 1U);
    EXPECT_EQ(window->received[0].message, 0x627U);
    EXPECT_EQ(window->received[0].wParam, 7U);
    EXPECT_EQ(window->received[0].lParam, 200);

    window.reset();
    EXPECT_FALSE(poster.PostMessage(0x62A, 0, 0));
}
