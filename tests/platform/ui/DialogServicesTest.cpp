#include "platform/ui/DialogServices.h"
#include "platform/ui/FileFilter.h"
#include "platform/ui/MessageBoxFlags.h"
#include "tests/support/ui/ScopedFakeDialogs.h"

#include <gtest/gtest.h>

TEST(DialogServicesTest, FakeMessageBoxRecordsCaptionTextAndType)
{
    ScopedFakeDialogs dialogs;
    dialogs.MessageBox().QueueAnswer(IDNO);

    EXPECT_EQ(DialogServices::ShowMessageBox(QStringLiteral("Przywróć wszystkie"), QStringLiteral("Czy chcesz?"),
                                             MB_YESNO | MB_ICONQUESTION),
              IDNO);
    // An empty caption becomes the product name; an empty answer queue answers OK.
    EXPECT_EQ(DialogServices::ShowMessageBox(QString(), QStringLiteral("Błąd"), MB_ICONERROR), IDOK);

    const auto& boxes = dialogs.MessageBox().Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Przywróć wszystkie"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("Czy chcesz?"));
    EXPECT_EQ(boxes[0].flags, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(boxes[1].caption, QStringLiteral("Quorvanta 4"));
    EXPECT_EQ(boxes[1].flags & MB_ICONMASK, MB_ICONERROR);
}

TEST(DialogServicesTest, FakesAreRemovedWithTheirScope)
{
    std::shared_ptr<IMessageBoxService> during;
    {
        ScopedFakeDialogs dialogs;
        during = DialogServices::MessageBox();
        EXPECT_EQ(during.get(), &dialogs.MessageBox());
    }
    EXPECT_NE(DialogServices::MessageBox().get(), during.get());
}

TEST(DialogServicesTest, OtherServicesGoThroughTheirFakes)
{
    ScopedFakeDialogs dialogs;
    dialogs.FileDialog().SetAnswer(QStringLiteral("/tmp/pulpit.q4s"));
    dialogs.ColorDialog().SetAnswer(QColor(Qt::red));

    const FileDialogRequest request{QStringLiteral("Otwórz pulpit"), QString(),
                                    QStringLiteral("Pliki stanu pulpitu (*.q4s)|*.q4s||"), QStringLiteral("q4s")};
    EXPECT_EQ(DialogServices::FileDialog()->GetOpenFileName(request), QStringLiteral("/tmp/pulpit.q4s"));
    ASSERT_EQ(dialogs.FileDialog().Requests().size(), 1u);
    EXPECT_EQ(dialogs.FileDialog().Requests()[0].filter, request.filter);

    EXPECT_EQ(DialogServices::ColorDialog()->ChooseColor(Qt::blue), QColor(Qt::red));
    EXPECT_EQ(dialogs.ColorDialog().Opened().at(0), QColor(Qt::blue));

    EXPECT_TRUE(DialogServices::Shell()->OpenProcess(QStringLiteral("Updater"), {QStringLiteral("/check")}, QString()));
    EXPECT_TRUE(DialogServices::Shell()->OpenUrl(QUrl(QStringLiteral("https://example.com/"))));
    EXPECT_EQ(dialogs.Shell().StartedProcesses().at(0).arguments, QStringList{QStringLiteral("/check")});
    EXPECT_EQ(dialogs.Shell().OpenedUrls().size(), 1u);
}

TEST(DialogServicesTest, FileFiltersBecomeQtFilters)
{
    struct Case
    {
        const char* written;
        QStringList qt;
    };
    const Case cases[] = {
        {"Pliki stanu pulpitu (*.q4s)|*.q4s|Wszystkie pliki (*.*)|*.*||",
         {QStringLiteral("Pliki stanu pulpitu (*.q4s)"), QStringLiteral("Wszystkie pliki (*)")}},
        {"Pliki Quorvanta 5 (*.q5; *.q5s)|*.q5;*.q5s||", {QStringLiteral("Pliki Quorvanta 5 (*.q5 *.q5s)")}},
        {"Arkusze zleceń|*.q4sOS|", {QStringLiteral("Arkusze zleceń (*.q4sOS)")}},
        {"", {}},
        {"Bez wzorca||", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileFilter::ToQtFilters(QString::fromUtf8(c.written)), c.qt) << c.written;
}

TEST(DialogServicesTest, AChosenFileNameTellsTheFilterItMatchesFirst)
{
    const QString filter = QStringLiteral("Arkusze (*.q4sOS)|*.q4sOS|Arkusze ze stylami (*.q4ssOS)|*.q4ssOS|Wszystkie pliki (*.*)|*.*||");
    const struct
    {
        const char* fileName;
        int index;
    } cases[] = {{"a.q4sOS", 1}, {"a.q4ssOS", 2}, {"a.txt", 3}, {"a.Q4SSOS", 3}};
    for (const auto& c : cases)
        EXPECT_EQ(FileFilter::IndexOfMatch(filter, QString::fromUtf8(c.fileName)), c.index) << c.fileName;
    EXPECT_EQ(FileFilter::IndexOfMatch(QStringLiteral("Arkusze (*.q4sOS)|*.q4sOS||"), QStringLiteral("a.txt")), 1);
}
