#include "cloud/engine/CloudAlertData.h"
#include "cloud/engine/CloudAlertsGeneralSettingsBase.h"
#include "cloud/ui/CloudAlertAssetCtrl.h"
#include "cloud/ui/CloudAlertDefAssetSubDlg.h"
#include "cloud/ui/CloudAlertDefinitionDlg.h"
#include "cloud/ui/CloudAlertKindSubDlg.h"
#include "cloud/ui/CloudAlertPropSubDlg.h"
#include "cloud/ui/CloudAlertValue.h"
#include "platform/modules/DSProp.h"
#include "tests/support/FakeProvider.h"
#include "tests/support/ui/TestApplication.h"

#include "CloudLinkFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QTest>

#include <set>

namespace
{
class InstrumentsProvider : public FakeProvider
{
public:
    InstrumentsProvider()
        : FakeProvider(QStringLiteral("Kelvora"))
    {
    }

    std::vector<Asset> GetAllAssets() const override { return assets; }
    std::vector<DSProp> GetAssetSeries(const Asset&) const override
    {
        return {DSProp(2, QStringLiteral("Kurs"), 2), DSProp(3, QStringLiteral("Wolumen"), 1)};
    }

    std::vector<Asset> assets;
};
}

class CloudAlertDefinitionDlgTest : public CloudLinkFixture
{
protected:
    CloudAlertDefinitionDlgTest()
    {
        TestApplication::Ensure();
        provider.assets = {Asset(&provider, QStringLiteral("PLKGHM000017"), QStringLiteral("KGHM"),
                                 QStringLiteral("KGHM Polska Miedź"), QStringLiteral("GPW")),
                           Asset(&provider, QStringLiteral("PLPKO0000016"), QStringLiteral("PKOBP"),
                                 QStringLiteral("PKO BANK POLSKI"), QStringLiteral("GPW")),
                           Asset(&provider, QStringLiteral("PLORLEN00005"), QStringLiteral("PKNORLEN"),
                                 QStringLiteral("PKNOrlen"), QStringLiteral("GPW"))};
    }

    ~CloudAlertDefinitionDlgTest() override { delete dialog.data(); }

    CloudAlertDefinitionDlg::Services Services()
    {
        CloudAlertDefinitionDlg::Services services;
        services.showMessageBox = [this](const QString& caption, const QString& text, unsigned flags) {
            boxes << text;
            EXPECT_TRUE(caption.isEmpty());
            EXPECT_EQ(flags, 0x10U);
            return 1;
        };
        services.defaultProvider = [this]() -> ProviderBase* { return withProvider ? &provider : nullptr; };
        services.alertExists = [this](const QString& name) { return existing.count(name) > 0; };
        services.addAlert = [this](const QString& xml) {
            ++queued;
            if (manager)
                manager->AddAlert(xml);
        };
        services.editAlert = [this](const QString& xml, std::int32_t id) {
            ++queued;
            if (manager)
                manager->EditAlert(xml, id);
        };
        services.generalSettings = [] { return std::make_shared<CloudAlertsGeneralSettingsBase>(); };
        services.newAlertName = [] { return QStringLiteral("Mój alert"); };
        services.closed = [this](const QRect& rect) { closedAt.push_back(rect); };
        return services;
    }

    bool Deleted()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull();
    }

    CloudAlertDefinitionDlg& Open(const std::shared_ptr<const CloudAlertData>& alert = nullptr)
    {
        dialog = new CloudAlertDefinitionDlg(Services(), nullptr);
        dialog->LoadAlert(alert);
        return *dialog;
    }

    // A complete new alert on the sell side: KGHM, price below 100.
    void FillSell(CloudAlertDefinitionDlg& dlg, const QString& value = QStringLiteral("100"))
    {
        dlg.AssetSubDlg()->Field()->setText(QStringLiteral("KGHM"));
        dlg.SellSubDlg()->ConditionCombo()->setCurrentIndex(1);
        dlg.SellSubDlg()->Box()->setChecked(true);
        dlg.SellSubDlg()->ValueEdit()->setText(value);
    }

    InstrumentsProvider provider;
    bool withProvider = true;
    std::set<QString> existing{QStringLiteral("Stary")};
    QStringList boxes;
    int queued = 0;
    std::vector<QRect> closedAt;
    QPointer<CloudAlertDefinitionDlg> dialog;
};

TEST_F(CloudAlertDefinitionDlgTest, EachFirstErrorShowsItsTextAndQueuesNothing)
{
    using Setup = std::function<void(CloudAlertDefinitionDlg&)>;
    const auto kghm = [](CloudAlertDefinitionDlg& dlg) { dlg.AssetSubDlg()->Field()->setText(QStringLiteral("KGHM")); };
    const auto buy = [kghm](int condition, int op, const QString& value) {
        return [=](CloudAlertDefinitionDlg& dlg) {
            kghm(dlg);
            dlg.BuySubDlg()->Box()->setChecked(true);
            dlg.BuySubDlg()->ConditionCombo()->setCurrentIndex(condition);
            dlg.BuySubDlg()->OperatorCombo()->setCurrentIndex(op);
            dlg.BuySubDlg()->ValueEdit()->setText(value);
        };
    };
    const struct
    {
        Setup setup;
        QString text;
    } cases[] = {
        {[](CloudAlertDefinitionDlg& dlg) { dlg.PropSubDlg()->NameEdit()->clear(); },
         QStringLiteral("Instrument nie został wybrany.")},
        {[](CloudAlertDefinitionDlg& dlg) { dlg.AssetSubDlg()->Field()->setText(QStringLiteral("kghm")); },
         QStringLiteral("Wpisano niepoprawną nazwę instrumentu.")},
        {kghm, QStringLiteral("Żaden alert kierunkowy nie został zdefiniowany.\n"
                              "Przynajmniej jeden alert kierunkowy musi być zdefiniowany.\n")},
        {buy(0, 0, QStringLiteral("1")), QStringLiteral("Warunek alertu kupna nie został wybrany.")},
        {buy(1, -1, QStringLiteral("1")), QStringLiteral("Operator alertu kupna nie został wybrany.")},
        {buy(1, 0, QStringLiteral("wartość")), QStringLiteral("Niepoprawnie ustawiona wartość alertu kupna.")},
        {buy(4, 0, QStringLiteral("-1")), QStringLiteral("Niepoprawnie ustawiona wartość alertu kupna.")},
        {[this](CloudAlertDefinitionDlg& dlg) {
             FillSell(dlg);
             dlg.SellSubDlg()->ConditionCombo()->setCurrentIndex(0);
         },
         QStringLiteral("Warunek alertu sprzedaży nie został wybrany.")},
        {[this](CloudAlertDefinitionDlg& dlg) {
             FillSell(dlg);
             dlg.SellSubDlg()->OperatorCombo()->setCurrentIndex(-1);
         },
         QStringLiteral("Operator alertu sprzedaży nie został wybrany.")},
        {[this](CloudAlertDefinitionDlg& dlg) { FillSell(dlg, QStringLiteral("1,2,3")); },
         QStringLiteral("Niepoprawnie ustawiona wartość alertu sprzedaży.")},
        {[this](CloudAlertDefinitionDlg& dlg) {
             FillSell(dlg);
             dlg.PropSubDlg()->NameEdit()->clear();
         },
         QStringLiteral("Nie wprowadzono nazwy alertu.")},
        {[this](CloudAlertDefinitionDlg& dlg) {
             FillSell(dlg);
             dlg.PropSubDlg()->NameEdit()->setText(QStringLiteral("Stary"));
         },
         QStringLiteral("Istnieje już alert o nazwie \"Stary\". Wprowadź inną nazwę alertu.")},
    };
    for (const auto& c : cases)
    {
        boxes.clear();
        CloudAlertDefinitionDlg& dlg = Open();
        c.setup(dlg);
        const QString name = dlg.PropSubDlg()->GetName();
        dlg.OnOk();
        EXPECT_EQ(boxes, QStringList{c.text});
        EXPECT_EQ(queued, 0) << c.text.toStdString();
        EXPECT_TRUE(closedAt.empty());
        // The dialog stays open with what was entered.
        EXPECT_EQ(dlg.PropSubDlg()->GetName(), name);
        delete dialog.data();
    }
}

TEST_F(CloudAlertDefinitionDlgTest, NewAlertIsPostedWithItsEscapedValuesAndTheAnswerIsShown)
{
    client->SetHandler([](const HttpRequest& request) -> HttpResponse {
        if (request.verb == QStringLiteral("POST"))
            return {200, QStringLiteral("<?xml version=\"1.0\"?><r><alertdefinition><status>1</status></alertdefinition></r>")};
        return ScriptedServer(request);
    });
    StartSignedIn();
    CloudAlertDefinitionDlg& dlg = Open();
    FillSell(dlg, QStringLiteral(" 12,5 "));
    dlg.PropSubDlg()->NameEdit()->setText(QStringLiteral("Miedź <&> \"x\""));
    dlg.PropSubDlg()->MailBox()->setChecked(true);
    dlg.OnOk();
    EXPECT_TRUE(boxes.isEmpty());
    ASSERT_TRUE(PumpUntilSent(5));
    const HttpRequest sent = client->Sent()[4];
    EXPECT_EQ(Lines()[4], QStringLiteral("POST alertdefinition/"));
    EXPECT_TRUE(sent.body.contains(QStringLiteral("<isin>PLKGHM000017</isin><name>Miedź &lt;&amp;> \"x\"</name>")))
        << sent.body.toStdString();
    EXPECT_TRUE(sent.body.contains(QStringLiteral("<sell_value>12.500000</sell_value>"))) << sent.body.toStdString();
    // Window (the default) and mail; once by default.
    EXPECT_TRUE(sent.body.contains(QStringLiteral("<notifications>68</notifications>")));
    EXPECT_TRUE(sent.body.contains(QStringLiteral("<once>1</once>")));
    EXPECT_TRUE(Pump(*manager, *window, [this] {
        return mediator->ShownTexts().contains(QStringLiteral("Alert został prawidłowo uruchomiony w Chmurze."));
    }));
    EXPECT_EQ(closedAt.size(), 1U);
}

TEST_F(CloudAlertDefinitionDlgTest, RefusedAddShowsTheServersText)
{
    client->SetHandler([](const HttpRequest& request) -> HttpResponse {
        if (request.verb == QStringLiteral("POST"))
            return {200, QStringLiteral("<?xml version=\"1.0\"?><r><alertdefinition><return_code>-32</return_code></alertdefinition></r>")};
        return ScriptedServer(request);
    });
    StartSignedIn();
    CloudAlertDefinitionDlg& dlg = Open();
    FillSell(dlg);
    dlg.OnOk();
    const QString refused = QStringLiteral("Przekroczono limit alertów.");
    EXPECT_TRUE(Pump(*manager, *window, [&] { return mediator->ShownTexts().contains(refused); }))
        << mediator->ShownTexts().join(QLatin1Char('|')).toStdString();
}

TEST_F(CloudAlertDefinitionDlgTest, EditedAlertIsPutUnderItsIdAndMayKeepItsName)
{
    StartSignedIn();
    auto alert = std::make_shared<CloudAlertData>();
    alert->id = 5;
    alert->name = QStringLiteral("Stary");
    alert->isin = QStringLiteral("PLPKO0000016");
    alert->buyDefined = true;
    alert->buyItemType = 8;
    alert->buyOperator = 2;
    alert->buyValue = 1500;
    alert->notifications = CloudAlertData::kSmsBit;
    CloudAlertDefinitionDlg& dlg = Open(alert);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Stary - edycja alertu w Chmurze"));
    EXPECT_EQ(dlg.AssetSubDlg()->GetInstrumentName(), QStringLiteral("PKO BANK POLSKI"));
    // Volume is shown with the precision of the instrument's series 3.
    EXPECT_EQ(dlg.BuySubDlg()->ValueEdit()->text(), QStringLiteral("1500.0"));
    EXPECT_FALSE(dlg.SellSubDlg()->IsInUse());
    EXPECT_TRUE(dlg.PropSubDlg()->SmsBox()->isChecked());
    EXPECT_FALSE(dlg.PropSubDlg()->WindowBox()->isChecked());
    alert->name = QStringLiteral("Zmieniony w menedżerze");
    dlg.OnOk();
    EXPECT_TRUE(boxes.isEmpty());
    ASSERT_TRUE(PumpUntilSent(5));
    EXPECT_EQ(Lines()[4], QStringLiteral("PUT alertdefinition/5"));
    const QString body = client->Sent()[4].body;
    EXPECT_FALSE(body.contains(QStringLiteral("uniqueid")));
    EXPECT_TRUE(body.contains(QStringLiteral("<name>Stary</name>"))) << body.toStdString();
    EXPECT_TRUE(body.contains(QStringLiteral("<buy_value>1500.000000</buy_value>"))) << body.toStdString();
}

TEST_F(CloudAlertDefinitionDlgTest, NameCheckIsExactAndSkippedForTheEditedName)
{
    const struct
    {
        bool editing;
        QString name;
        bool accepted;
    } cases[] = {
        {false, QStringLiteral("Stary"), false},
        {false, QStringLiteral("stary"), true},
        {true, QStringLiteral("Stary"), true},
        {true, QStringLiteral("Inny"), true},
    };
    existing.insert(QStringLiteral("Inny"));
    for (const auto& c : cases)
    {
        auto alert = std::make_shared<CloudAlertData>();
        alert->name = QStringLiteral("Stary");
        CloudAlertDefinitionDlg& dlg = Open(c.editing ? alert : nullptr);
        FillSell(dlg);
        dlg.PropSubDlg()->NameEdit()->setText(c.name);
        const bool expected = c.accepted && !(c.editing && c.name == QStringLiteral("Inny"));
        EXPECT_EQ(dlg.BuildAlertData(c.editing) != nullptr, expected) << c.name.toStdString() << c.editing;
        delete dialog.data();
    }
}

TEST_F(CloudAlertDefinitionDlgTest, CancelQueuesNothingAndBothEndingsCloseTheDialog)
{
    CloudAlertDefinitionDlg& dlg = Open();
    FillSell(dlg);
    dlg.move(40, 30);
    dlg.OnCancel();
    dlg.OnCancel();
    EXPECT_EQ(queued, 0);
    ASSERT_EQ(closedAt.size(), 1U);
    EXPECT_EQ(closedAt[0].topLeft(), QPoint(40, 30));
    EXPECT_TRUE(Deleted());

    CloudAlertDefinitionDlg& second = Open();
    FillSell(second);
    second.OnOk();
    EXPECT_EQ(queued, 1);
    EXPECT_EQ(closedAt.size(), 2U);
    EXPECT_TRUE(Deleted());
}

TEST_F(CloudAlertDefinitionDlgTest, FitPutsTheBottom45PixelsBelowTheProperties)
{
    CloudAlertDefinitionDlg& dlg = Open();
    dlg.resize(500, 900);
    dlg.Fit();
    const QRect properties = dlg.PropSubDlg()->geometry();
    EXPECT_EQ(properties.height(), 160);
    EXPECT_EQ(properties.top(), 9 + 3 * (65 + 2));
    EXPECT_EQ(dlg.height(), properties.bottom() + 1 + 45);
    EXPECT_EQ(dlg.width(), 500);
    EXPECT_EQ(dlg.AssetSubDlg()->geometry(), QRect(9, 9, 500 - 18, 65));
}

TEST_F(CloudAlertDefinitionDlgTest, ValueParsing)
{
    const struct
    {
        QString text;
        int condition;
        std::optional<double> value;
    } cases[] = {
        {QStringLiteral("12,5"), 1, 12.5},      {QStringLiteral(" 3 "), 1, 3.0},
        {QString(), 1, std::nullopt},           {QStringLiteral("wartość"), 1, std::nullopt},
        {QStringLiteral("0"), 4, 0.0},          {QStringLiteral("0"), 9, 0.0},
        {QStringLiteral("-1"), 6, -1.0},        {QStringLiteral("-1"), 4, std::nullopt},
        {QStringLiteral("1e3"), 1, std::nullopt}, {QStringLiteral("1.2.3"), 1, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CloudAlertKindSubDlg::ParseValue(c.text, c.condition), c.value) << c.text.toStdString();
}

TEST_F(CloudAlertDefinitionDlgTest, ChoosingAConditionTurnsTheSideOnAndTheStartSideFollowsBothSides)
{
    CloudAlertDefinitionDlg& dlg = Open();
    QComboBox* startSide = dlg.PropSubDlg()->StartSideCombo();
    EXPECT_EQ(startSide->currentText(), QStringLiteral("Obie"));
    EXPECT_FALSE(startSide->isEnabled());
    QComboBox* buyCondition = dlg.BuySubDlg()->ConditionCombo();
    buyCondition->setCurrentIndex(0);
    emit buyCondition->activated(0);
    EXPECT_FALSE(dlg.BuySubDlg()->IsInUse());
    buyCondition->setCurrentIndex(2);
    emit buyCondition->activated(2);
    EXPECT_TRUE(dlg.BuySubDlg()->IsInUse());

    QCheckBox* once = dlg.PropSubDlg()->OnceBox();
    const struct
    {
        bool sell;
        bool once;
        bool enabled;
    } cases[] = {{true, false, true}, {true, true, false}, {false, false, false}};
    for (const auto& c : cases)
    {
        dlg.SellSubDlg()->Box()->setChecked(c.sell);
        emit dlg.SellSubDlg()->Box()->clicked(c.sell);
        if (once->isChecked() != c.once)
            once->click();
        EXPECT_EQ(startSide->isEnabled(), c.enabled) << c.sell << c.once;
    }
}

TEST_F(CloudAlertDefinitionDlgTest, NewAlertTakesTheDefaultOptionsAndDefaultOperators)
{
    CloudAlertDefinitionDlg& dlg = Open();
    CloudAlertPropSubDlg& properties = *dlg.PropSubDlg();
    EXPECT_TRUE(properties.WindowBox()->isChecked());
    EXPECT_TRUE(properties.OnceBox()->isChecked());
    for (QCheckBox* box : {properties.MailBox(), properties.SmsBox(), properties.SoundBox(), properties.PushBox()})
        EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(properties.GetName(), QStringLiteral("Mój alert"));
    EXPECT_EQ(dlg.BuySubDlg()->OperatorCombo()->currentText(), QStringLiteral(">"));
    EXPECT_EQ(dlg.SellSubDlg()->OperatorCombo()->currentText(), QStringLiteral("<"));
    EXPECT_TRUE(dlg.SellSubDlg()->ValueEdit()->ShowsHint());
}

TEST_F(CloudAlertDefinitionDlgTest, LoadingASideNotInUseKeepsItsControls)
{
    CloudAlertDefinitionDlg& dlg = Open();
    dlg.SellSubDlg()->ConditionCombo()->setCurrentIndex(3);
    dlg.SellSubDlg()->ValueEdit()->setText(QStringLiteral("7"));
    auto alert = std::make_shared<CloudAlertData>();
    alert->buyDefined = true;
    alert->buyItemType = 1;
    alert->buyOperator = 0;
    dlg.LoadAlert(alert);
    EXPECT_FALSE(dlg.SellSubDlg()->IsInUse());
    EXPECT_EQ(dlg.SellSubDlg()->ConditionCombo()->currentIndex(), 3);
    EXPECT_EQ(dlg.SellSubDlg()->ValueEdit()->text(), QStringLiteral("7"));
}

TEST_F(CloudAlertDefinitionDlgTest, InstrumentFieldTypeAheadAndKeys)
{
    CloudAlertDefinitionDlg& dlg = Open();
    CloudAlertDefAssetSubDlg& asset = *dlg.AssetSubDlg();
    CloudAlertAssetCtrl& field = *asset.Field();
    // PKNORLEN and PKNOrlen are one entry.
    EXPECT_EQ(asset.Matches().size(), 5U);
    EXPECT_FALSE(field.IsTyped());
    QTest::keyClicks(&field, QStringLiteral("pkx"));
    EXPECT_EQ(field.text(), QStringLiteral("pk"));
    EXPECT_TRUE(field.IsTyped());
    ASSERT_EQ(asset.Matches().size(), 3U);
    EXPECT_EQ(field.InstrumentText(), QStringLiteral("PKNORLEN\nGPW"));
    QTest::keyClick(&field, Qt::Key_PageDown);
    EXPECT_EQ(asset.CurrentMatch(), 2);
    QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(asset.CurrentMatch(), 1);
    QTest::keyClick(&field, Qt::Key_PageUp);
    EXPECT_EQ(asset.CurrentMatch(), 0);
    QTest::keyClick(&field, Qt::Key_Down);
    EXPECT_EQ(field.InstrumentText(), QStringLiteral("PKO BANK POLSKI\nGPW"));
    // "pk" names no instrument exactly until the match is taken.
    EXPECT_TRUE(asset.GetIsin().isEmpty());
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(field.text(), QStringLiteral("PKO BANK POLSKI"));
    EXPECT_EQ(asset.GetIsin(), QStringLiteral("PLPKO0000016"));
    field.clear();
    EXPECT_TRUE(field.IsTyped());
    dlg.LoadAlert(nullptr);
    EXPECT_FALSE(field.IsTyped());
}

TEST_F(CloudAlertDefinitionDlgTest, WithoutAProviderEveryKeyIsAcceptedAndNoIsinIsFound)
{
    withProvider = false;
    CloudAlertDefinitionDlg& dlg = Open();
    QTest::keyClicks(dlg.AssetSubDlg()->Field(), QStringLiteral("xyz"));
    EXPECT_EQ(dlg.AssetSubDlg()->GetInstrumentName(), QStringLiteral("xyz"));
    EXPECT_TRUE(dlg.AssetSubDlg()->Matches().empty());
    dlg.OnOk();
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Wpisano niepoprawną nazwę instrumentu.")});
}

TEST_F(CloudAlertDefinitionDlgTest, DroppedInstrumentFillsTheFieldAndOtherDropsChangeNothing)
{
    CloudAlertDefinitionDlg& dlg = Open();
    CloudAlertAssetCtrl& field = *dlg.AssetSubDlg()->Field();
    const auto drop = [&](const QString& format, const QByteArray& data) {
        QMimeData mime;
        mime.setData(format, data);
        field.DropData(mime);
    };
    drop(QStringLiteral("text/plain"), "KGHM");
    EXPECT_TRUE(field.text().isEmpty());
    drop(CloudAlertAssetCtrl::kAssetDragFormat, "SessionStatistics\nKGHM");
    EXPECT_EQ(field.text(), QStringLiteral("KGHM Polska Miedź"));
    EXPECT_EQ(dlg.AssetSubDlg()->GetIsin(), QStringLiteral("PLKGHM000017"));
}
