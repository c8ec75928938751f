#include "cloud/engine/CloudAlertData.h"
#include "cloud/ui/CloudAlertDefinitionDlgHolder.h"
#include "tests/support/ui/TestApplication.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

namespace
{
void Flush()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}

class CloudAlertDefinitionDlgHolderTest : public ::testing::Test
{
protected:
    CloudAlertDefinitionDlgHolderTest()
    {
        TestApplication::Ensure();
        frame = std::make_unique<QWidget>();
        frame->setGeometry(100, 100, 900, 700);
    }
    ~CloudAlertDefinitionDlgHolderTest() override
    {
        delete Dialog();
        Flush();
    }

    CloudAlertDefinitionDlg* Dialog() const { return static_cast<CloudAlertDefinitionDlg*>(holder.GetDefinitionDlg()); }

    std::unique_ptr<QWidget> frame;
    CloudAlertDefinitionDlgHolder holder{[this] { return frame.get(); }, [this] {
                                             CloudAlertDefinitionDlg::Services services;
                                             services.newAlertName = [] { return QStringLiteral("Alert (3)"); };
                                             return services;
                                         }};
};

TEST_F(CloudAlertDefinitionDlgHolderTest, HidingWithoutADialogMakesNone)
{
    holder.ShowDefinitionDlg(false, nullptr);
    EXPECT_EQ(holder.GetDefinitionDlg(), nullptr);
}

TEST_F(CloudAlertDefinitionDlgHolderTest, FirstShowingPlacesTheDialogTwentyPixelsIntoItsParent)
{
    holder.ShowDefinitionDlg(true, nullptr);
    CloudAlertDefinitionDlg* dialog = Dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->parentWidget(), frame.get());
    EXPECT_EQ(frame->mapFromGlobal(dialog->pos()), QPoint(20, 20));
    EXPECT_EQ(dialog->windowTitle(), CloudAlertDefinitionDlg::kCaption);

    // The same dialog is hidden, then shown again on an alert to edit.
    holder.ShowDefinitionDlg(false, nullptr);
    EXPECT_FALSE(dialog->isVisible());
    auto alert = std::make_shared<CloudAlertData>();
    alert->name = QStringLiteral("Miedź");
    holder.ShowDefinitionDlg(true, alert);
    EXPECT_EQ(Dialog(), dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Miedź ") + CloudAlertDefinitionDlg::kEditCaptionSuffix);
}

TEST_F(CloudAlertDefinitionDlgHolderTest, ClosingForgetsTheDialogAndTheNextOneOpensWhereItWas)
{
    holder.ShowDefinitionDlg(true, nullptr);
    QPointer<CloudAlertDefinitionDlg> dialog = Dialog();
    dialog->move(frame->mapToGlobal(QPoint(150, 90)));
    dialog->CancelButton()->click();
    Flush();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(holder.GetDefinitionDlg(), nullptr);
    ASSERT_TRUE(holder.GetDialogRect().has_value());
    EXPECT_EQ(holder.GetDialogRect()->topLeft(), QPoint(150, 90));

    holder.ShowDefinitionDlg(true, nullptr);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_EQ(frame->mapFromGlobal(Dialog()->pos()), QPoint(150, 90));
}
