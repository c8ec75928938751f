#include "platform/ui/DocTemplate.h"
#include "tests/support/ui/TestApplication.h"

#include <QCoreApplication>
#include <QStackedWidget>

#include <gtest/gtest.h>

namespace
{
class TestDoc : public Document
{
public:
    static inline bool refuse = false;
    bool OnNewDocument() override { return !refuse; }
};

class TestView : public View
{
public:
    using View::View;
    void OnInitialUpdate() override { initialUpdates++; }
    int initialUpdates = 0;
};

// A frame that can refuse to make its client, as a panel does when told to.
class TestFrame : public ChildFrame
{
public:
    static inline bool refuse = false;
    bool OnCreateClient(CreateContext& context) override { return !refuse && ChildFrame::OnCreateClient(context); }
};

using TestTemplate = DocTemplate<TestDoc, TestFrame, TestView>;

class DocTemplateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        TestDoc::refuse = false;
        TestFrame::refuse = false;
    }
};
}

TEST_F(DocTemplateTest, MakesALinkedTriple)
{
    TestTemplate panels(149);
    QStackedWidget client;
    panels.SetFrameHost([&client](ChildFrame& frame) { client.addWidget(&frame); });

    Document* document = panels.NewDocument(true);
    ASSERT_NE(document, nullptr);
    auto* view = dynamic_cast<TestView*>(document->GetFirstView());
    ASSERT_NE(view, nullptr);
    ChildFrame* frame = view->GetParentFrame();
    ASSERT_NE(frame, nullptr);

    EXPECT_EQ(view->GetDocument(), document);
    EXPECT_EQ(frame->GetActiveView(), view);
    EXPECT_EQ(frame->GetActiveDocument(), document);
    EXPECT_EQ(document->GetDocTemplate(), &panels);
    EXPECT_EQ(frame->parentWidget(), &client);
    EXPECT_EQ(view->initialUpdates, 1);
    EXPECT_EQ(document->GetTitle(), QStringLiteral("Quorvanta41"));
    EXPECT_EQ(panels.NewDocument(false)->GetTitle(), QStringLiteral("Quorvanta42"));
    EXPECT_EQ(panels.GetDocuments().size(), 2u);
}

TEST_F(DocTemplateTest, ClosingTheFrameEndsTheTriple)
{
    TestTemplate panels(149);
    QPointer<Document> document = panels.NewDocument(false);
    ASSERT_TRUE(document);
    QPointer<View> view = document->GetFirstView();
    QPointer<ChildFrame> frame = view->GetParentFrame();

    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.isNull());
    EXPECT_TRUE(view.isNull());
    EXPECT_TRUE(document.isNull());
    EXPECT_TRUE(panels.GetDocuments().empty());
}

TEST_F(DocTemplateTest, ARefusedCreationLeavesNothing)
{
    TestTemplate panels(149);
    int hosted = 0;
    panels.SetFrameHost([&hosted](ChildFrame&) { ++hosted; });

    TestFrame::refuse = true;
    EXPECT_EQ(panels.NewDocument(), nullptr);
    TestFrame::refuse = false;
    TestDoc::refuse = true;
    EXPECT_EQ(panels.NewDocument(), nullptr);

    EXPECT_EQ(hosted, 0);
    EXPECT_TRUE(panels.GetDocuments().empty());
}
