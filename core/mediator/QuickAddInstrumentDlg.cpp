#include "core/mediator/QuickAddInstrumentDlg.h"

#include "core/engine/BLProvidersManager.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/MovementBarDlg.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/modules/ProviderBase.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QThread>
#include <QToolButton>
#include <QValidator>

#include <algorithm>
#include <memory>

namespace
{
const char* const kFile = "QuickAddInstrumentDlg.cpp";
constexpr int kWidth = 260;
std::atomic<QuickAddInstrumentDlg*> s_instance{nullptr};

// Refuses a keystroke that leaves a text no instrument name begins.
class InstrumentNameValidator : public QValidator
{
public:
    explicit InstrumentNameValidator(QuickAddInstrumentDlg& popup)
        : QValidator(&popup)
        , m_popup(popup)
    {
    }
    State validate(QString& input, int&) const override
    {
        return m_popup.IsTextAcceptable(input) ? Acceptable : Invalid;
    }

private:
    QuickAddInstrumentDlg& m_popup;
};

QuickAddInstrumentDlg::Services RunningServices(QuickAddInstrumentDlg::Services services)
{
    auto manager = [] {
        AppMediator* mediator = AppMediator::Instance();
        return mediator ? mediator->GetProvidersManager() : nullptr;
    };
    if (!services.providers)
        services.providers = [manager] {
            BLProvidersManager* providers = manager();
            return providers ? providers->GetProviders() : std::vector<ProviderBase*>();
        };
    if (!services.defaultProvider)
        services.defaultProvider = [manager] {
            BLProvidersManager* providers = manager();
            return providers ? providers->GetDefaultProvider() : nullptr;
        };
    if (!services.setDefaultProvider)
        services.setDefaultProvider = [manager](ProviderBase* provider) {
            if (BLProvidersManager* providers = manager())
                providers->SetDefaultProvider(provider);
        };
    if (!services.sleep)
        services.sleep = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
    return services;
}
}

QuickAddInstrumentDlg& QuickAddInstrumentDlg::GetInstance()
{
    if (!s_instance.load())
        s_instance = new QuickAddInstrumentDlg({});
    return *s_instance.load();
}

QuickAddInstrumentDlg* QuickAddInstrumentDlg::Existing()
{
    return s_instance.load();
}

void QuickAddInstrumentDlg::DestroyInstance()
{
    delete s_instance.exchange(nullptr);
}

QuickAddInstrumentDlg::QuickAddInstrumentDlg(Services services, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , Wnd(this)
    , m_services(RunningServices(std::move(services)))
    , m_name(new QLineEdit(this))
    , m_listButton(new QToolButton(this))
    , m_providerButton(new QToolButton(this))
    , m_scroll(new QScrollBar(Qt::Vertical, this))
{
    if (!m_services.setOpacity)
        m_services.setOpacity = [this](double opacity) { setWindowOpacity(opacity); };
    setObjectName(QStringLiteral("QuickAddInstrumentDlg"));
    setMouseTracking(true);
    m_name->setObjectName(QStringLiteral("959"));
    m_name->setPlaceholderText(QStringLiteral("Symbol lub nazwa instrumentu"));
    m_name->setToolTip(QStringLiteral("Wpisz początek symbolu lub nazwy instrumentu i wybierz go z listy"));
    m_name->setValidator(new InstrumentNameValidator(*this));
    m_name->installEventFilter(this);
    // Focus given to the popup (by its drag bar, say) lands in the name field, as in a dialog.
    setFocusProxy(m_name);
    m_listButton->setObjectName(QStringLiteral("962"));
    m_listButton->setArrowType(Qt::DownArrow);
    m_listButton->setFocusPolicy(Qt::NoFocus);
    m_listButton->setToolTip(QStringLiteral("Pasujące instrumenty"));
    m_providerButton->setObjectName(QStringLiteral("961"));
    m_providerButton->setText(QStringLiteral("▾"));
    m_providerButton->setToolTip(QStringLiteral("Źródło danych"));
    m_providerButton->setFocusPolicy(Qt::NoFocus);
    m_scroll->setObjectName(QStringLiteral("37777"));
    m_scroll->setRange(0, kMaxRows);
    m_scroll->hide();
    auto* top = new QHBoxLayout;
    top->setContentsMargins(2, 2, 2, 2);
    top->setSpacing(1);
    top->addWidget(m_name, 1);
    top->addWidget(m_listButton);
    top->addWidget(m_providerButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addStretch(1);
    connect(m_name, &QLineEdit::textChanged, this, [this] { SetExpanded(m_expanded); });
    connect(m_listButton, &QToolButton::clicked, this, [this] { SetExpanded(!m_expanded); });
    connect(m_providerButton, &QToolButton::clicked, this, &QuickAddInstrumentDlg::ChooseProviderFromMenu);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int value) {
        m_firstVisible = std::clamp(value, 0, std::max(0, static_cast<int>(m_matches.size()) - kMaxRows));
        update();
    });
    SetCurrentProvider(m_services.defaultProvider());
    m_services.setOpacity(0.0);
    Layout();
    m_windowExists = true;
}

QuickAddInstrumentDlg::~QuickAddInstrumentDlg()
{
    m_windowExists = false;
}

void QuickAddInstrumentDlg::SetCurrentProvider(ProviderBase* provider)
{
    m_currentProvider = provider;
    if (provider)
        AssetsOf(provider);
}

const std::vector<Asset>& QuickAddInstrumentDlg::AssetsOf(ProviderBase* provider)
{
    std::vector<Asset>& assets = m_lists[provider];
    if (assets.empty() && provider)
        assets = provider->GetAllAssets();
    return assets;
}

bool QuickAddInstrumentDlg::IsTextAcceptable(const QString& text) const
{
    if (text.isEmpty())
        return true;
    const auto found = m_lists.find(m_currentProvider);
    return found == m_lists.end() || found->second.empty() || AssetNameMatches::BeginsAnyName(found->second, text);
}

void QuickAddInstrumentDlg::ShowAt(const QPoint& point, bool pointIsTop, const QuickAddAssetReceiver& receiver,
                                   QWidget* receiverHandle)
{
    m_focusAtShow = QApplication::focusWidget();
    const bool wasVisible = isVisible();
    const QPoint nameOffset = m_name->geometry().topLeft();
    move(point.x() - nameOffset.x(), pointIsTop ? point.y() : point.y() - nameOffset.y());
    if (!wasVisible)
        m_services.setOpacity(0.0);
    m_receiver = receiver;
    m_receiverHandle = receiverHandle;
    if (!m_bar)
        m_bar = new MovementBarDlg(this, {m_services.setBarOpacity, {}, {}, [this] { OnOk(); }, [this] { OnCancel(); }});
    show();
    raise();
    activateWindow();
    m_name->clear();
    SetCurrentProvider(m_services.defaultProvider());
    m_expanded = false;
    SetExpanded(false);
    m_name->setFocus(Qt::OtherFocusReason);
    PlaceBar();
    if (!wasVisible)
        FadeIn();
}

void QuickAddInstrumentDlg::FadeIn()
{
    m_selected = 0;
    if (m_bar)
        m_bar->SetAlpha(0);
    for (int alpha = 0; alpha <= 250; alpha += 25)
    {
        m_services.setOpacity(alpha / 255.0);
        m_services.sleep(10);
    }
    SetTimer(kFocusTimer, 50);
}

void QuickAddInstrumentDlg::FadeOut()
{
    KillTimer(kFocusTimer);
    const int barAlpha = m_bar ? m_bar->GetAlpha() : 0;
    for (int alpha = 250; alpha >= 0; alpha -= 25)
    {
        m_services.setOpacity(alpha / 255.0);
        if (m_bar)
            m_bar->SetAlpha(barAlpha * alpha / 255);
        m_services.sleep(10);
    }
    if (m_bar)
        m_bar->hide();
    hide();
    if (m_focusAtShow)
    {
        m_focusAtShow->activateWindow();
        m_focusAtShow->setFocus(Qt::OtherFocusReason);
    }
}

void QuickAddInstrumentDlg::BuildMatches()
{
    const QString previous = m_expanded && m_selected >= 0 && m_selected < static_cast<int>(m_matches.size())
                                 ? m_matches[static_cast<std::size_t>(m_selected)].display
                                 : QString();
    m_matches = m_currentProvider ? AssetNameMatches::Build(AssetsOf(m_currentProvider), m_name->text())
                                  : std::vector<AssetNameMatch>();
    m_selected = 0;
    for (std::size_t i = 0; i < m_matches.size(); ++i)
        if (!previous.isEmpty() && m_matches[i].display == previous)
            m_selected = static_cast<int>(i);
}

void QuickAddInstrumentDlg::SetExpanded(bool expanded)
{
    m_expanded = expanded;
    BuildMatches();
    if (m_matches.empty())
        m_expanded = false;
    KeepSelectionVisible();
    m_scroll->setRange(0, std::max(0, static_cast<int>(m_matches.size()) - kMaxRows));
    m_scroll->setValue(m_firstVisible);
    Layout();
    m_listButton->setArrowType(m_expanded ? Qt::UpArrow : Qt::DownArrow);
}

int QuickAddInstrumentDlg::TopRowHeight() const
{
    return m_name->sizeHint().height() + 4;
}

void QuickAddInstrumentDlg::Layout()
{
    const int topHeight = TopRowHeight();
    const int rows = m_expanded ? std::min(kMaxRows, static_cast<int>(m_matches.size())) : 0;
    const int listHeight = rows > 0 ? rows * RowHeight() + 2 : 0;
    setFixedSize(kWidth, topHeight + listHeight);
    const bool scroll = m_expanded && static_cast<int>(m_matches.size()) > kMaxRows;
    const int scrollWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_scroll->setGeometry(kWidth - scrollWidth - 1, topHeight + 1, scrollWidth, std::max(0, listHeight - 2));
    m_scroll->setVisible(scroll);
    update();
}

void QuickAddInstrumentDlg::KeepSelectionVisible()
{
    if (static_cast<int>(m_matches.size()) <= kMaxRows)
        m_firstVisible = 0;
    else if (m_selected < m_firstVisible)
        m_firstVisible = m_selected;
    else if (m_selected >= m_firstVisible + kMaxRows)
        m_firstVisible = m_selected - kMaxRows + 1;
    m_firstVisible = std::clamp(m_firstVisible, 0, std::max(0, static_cast<int>(m_matches.size()) - kMaxRows));
}

bool QuickAddInstrumentDlg::OnNameKey(int key)
{
    int step = 0;
    switch (key)
    {
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_PageUp:
        step = -kMaxRows;
        break;
    case Qt::Key_PageDown:
        step = kMaxRows;
        break;
    default:
        return false;
    }
    if (!m_expanded)
    {
        if (key == Qt::Key_Down)
            SetExpanded(true);
        return true;
    }
    m_selected = std::clamp(m_selected + step, 0, std::max(0, static_cast<int>(m_matches.size()) - 1));
    KeepSelectionVisible();
    m_scroll->setValue(m_firstVisible);
    update();
    return true;
}

void QuickAddInstrumentDlg::OnOk()
{
    FadeOut();
    if (m_currentProvider && m_receiverHandle)
    {
        Asset asset;
        if (m_matches.empty())
            asset = Asset(m_currentProvider, QString(), m_name->text(), m_name->text(), QString(),
                          AssetParams(AssetParams::kAll));
        else
            asset = AssetsOf(m_currentProvider)[m_matches[static_cast<std::size_t>(m_selected)].assetIndex];
        if (m_receiverWindow)
        {
            m_chosenAsset = asset;
            QPointer<QWidget> window = m_receiverWindow;
            m_receiverWindow = nullptr;
            if (auto* wnd = dynamic_cast<Wnd*>(window.data()))
                wnd->SendMessage(WM_QUICK_ADD_ASSET_CHOSEN);
        }
        else if (m_receiver)
        {
            m_receiver(m_receiverHandle, asset);
        }
    }
    // Without a current provider the default one stays as it is.
    if (m_currentProvider)
        m_services.setDefaultProvider(m_currentProvider);
}

void QuickAddInstrumentDlg::OnCancel()
{
    QPointer<QWidget> noted = QApplication::focusWidget();
    m_receiverWindow = nullptr;
    m_receiver = nullptr;
    if (m_expanded)
        SetExpanded(false);
    else
        FadeOut();
    if (noted && noted != m_focusAtShow && !isAncestorOf(noted))
    {
        noted->activateWindow();
        noted->setFocus(Qt::OtherFocusReason);
    }
}

bool QuickAddInstrumentDlg::OwnsFocus() const
{
    QWidget* focus = QApplication::focusWidget();
    return !focus || focus == this || isAncestorOf(focus) || (m_bar && (focus == m_bar || m_bar->isAncestorOf(focus)));
}

void QuickAddInstrumentDlg::PlaceBar()
{
    if (!m_bar)
        return;
    m_bar->PlaceAbove(QRect(pos(), QSize(width(), TopRowHeight())));
    m_bar->show();
}

void QuickAddInstrumentDlg::UpdateProvidersAssetsList(ProviderBase* provider)
{
    if (!m_windowExists || !provider)
        return;
    {
        SafeAutoLock lock(m_updateLock, "QuickAddInstrumentDlg::UpdateProvidersAssetsList", kFile);
        m_toRefill.insert(provider);
    }
    // Timers belong to the main thread: the restart is queued there.
    QMetaObject::invokeMethod(this, [this] { SetTimer(kListTimer, 50); }, Qt::QueuedConnection);
}

void QuickAddInstrumentDlg::RefillChangedProviders()
{
    std::set<ProviderBase*> providers;
    {
        SafeAutoLock lock(m_updateLock, "QuickAddInstrumentDlg::RefillChangedProviders", kFile);
        providers.swap(m_toRefill);
    }
    // Read outside the lock: a provider that reports again while it lists cannot deadlock.
    for (ProviderBase* provider : providers)
        m_lists[provider] = provider->GetAllAssets();
    KillTimer(kListTimer);
    SetExpanded(m_expanded);
}

void QuickAddInstrumentDlg::OnTimer(std::uint32_t id)
{
    if (id == kFocusTimer && !OwnsFocus())
        OnCancel();
    else if (id == kListTimer)
        RefillChangedProviders();
}

void QuickAddInstrumentDlg::ChooseProviderFromMenu()
{
    QMenu menu(this);
    for (ProviderBase* provider : m_services.providers())
    {
        QAction* action = menu.addAction(provider->GetName());
        action->setCheckable(true);
        action->setChecked(provider == m_currentProvider);
        action->setData(QVariant::fromValue(static_cast<void*>(provider)));
    }
    if (QAction* chosen = menu.exec(m_providerButton->mapToGlobal(m_providerButton->rect().bottomLeft())))
    {
        SetCurrentProvider(static_cast<ProviderBase*>(chosen->data().value<void*>()));
        SetExpanded(m_expanded);
    }
    m_name->setFocus(Qt::OtherFocusReason);
}

void QuickAddInstrumentDlg::ForwardWheelFrom(QWidget* window)
{
    if (window)
        window->installEventFilter(this);
}

bool QuickAddInstrumentDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_name && event->type() == QEvent::Wheel)
    {
        if (!isVisible() || !isActiveWindow() || !m_scroll->isVisible())
            return false;
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    if (watched == m_name && event->type() == QEvent::KeyPress)
    {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        {
            OnOk();
            return true;
        }
        if (key->key() == Qt::Key_Escape)
        {
            OnCancel();
            return true;
        }
        if (OnNameKey(key->key()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

int QuickAddInstrumentDlg::RowHeight() const
{
    return QFontMetrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).height() + 4;
}

QRect QuickAddInstrumentDlg::ListRect() const
{
    const int top = m_name->geometry().bottom() + 4;
    QRect list(0, top, width(), height() - top);
    if (m_scroll->isVisible())
        list.setRight(m_scroll->geometry().left() - 1);
    return list;
}

int QuickAddInstrumentDlg::RowAt(const QPoint& pos) const
{
    const QRect list = ListRect();
    if (!m_expanded || !list.contains(pos))
        return -1;
    const int row = m_firstVisible + (pos.y() - list.top() - 1) / RowHeight();
    return row < static_cast<int>(m_matches.size()) ? row : -1;
}

void QuickAddInstrumentDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.window());
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!m_expanded)
        return;
    const QRect list = ListRect();
    painter.fillRect(list.adjusted(1, 0, -1, -1), Qt::white);
    painter.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    const int rowHeight = RowHeight();
    const int margin = rowHeight / 4 + 1;
    const QColor selection = colours.color(QPalette::Highlight);
    const QColor selectedText = colours.color(QPalette::HighlightedText);
    for (int row = 0; row < kMaxRows && m_firstVisible + row < static_cast<int>(m_matches.size()); ++row)
    {
        const int index = m_firstVisible + row;
        const QRect cell(list.left() + 2, list.top() + 1 + row * rowHeight, list.width() - 2 - margin, rowHeight);
        QColor text = colours.color(QPalette::Text);
        if (index == m_selected)
        {
            painter.fillRect(cell, selection);
            text = selectedText;
        }
        else if (index == m_hover)
        {
            painter.fillRect(cell, QColor((selection.red() + 255) / 2, (selection.green() + 255) / 2, (selection.blue() + 255) / 2));
            text = QColor(selectedText.red() / 2, selectedText.green() / 2, selectedText.blue() / 2);
        }
        const QString& display = m_matches[static_cast<std::size_t>(index)].display;
        const qsizetype split = display.indexOf(QLatin1Char('\n'));
        const QRect textRect = cell.adjusted(2, 2, 0, 0);
        painter.setPen(text);
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, display.left(split));
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawText(textRect, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, display.mid(split + 1));
    }
}

void QuickAddInstrumentDlg::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        m_pressed = false;
    const int hover = RowAt(event->position().toPoint());
    if (hover != m_hover)
    {
        m_hover = hover;
        update();
    }
}

void QuickAddInstrumentDlg::mousePressEvent(QMouseEvent* event)
{
    m_name->setFocus(Qt::MouseFocusReason);
    m_pressed = RowAt(event->position().toPoint()) >= 0;
}

void QuickAddInstrumentDlg::mouseReleaseEvent(QMouseEvent* event)
{
    const int row = RowAt(event->position().toPoint());
    if (!m_pressed || row < 0)
        return;
    m_pressed = false;
    m_selected = row;
    OnOk();
}

void QuickAddInstrumentDlg::wheelEvent(QWheelEvent* event)
{
    if (!m_scroll->isVisible())
        return;
    m_scroll->setValue(m_scroll->value() + (event->angleDelta().y() > 0 ? -1 : 1));
}
