#include "ribbon/filesgen/RibbonHistoryRangeDlg.h"

#include "platform/modules/AppFilesGeneratorConsumer.h"
#include "ribbon/controls/RibbonControlPopupEx.h"
#include "ribbon/filesgen/HistoryRange.h"

#include <QDateTimeEdit>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

RibbonHistoryRangeDlg::RibbonHistoryRangeDlg(AppFilesGeneratorConsumer* consumer, RibbonControlPopupEx* control,
                                             QWidget* parent, std::function<QDateTime()> now)
    : BasePopupBarDlg(parent)
    , m_consumer(consumer)
    , m_control(control)
    , m_now(now ? std::move(now) : [] { return QDateTime::currentDateTime(); })
    , m_start(new QDateTimeEdit(this))
    , m_end(new QDateTimeEdit(this))
    , m_get(new QPushButton(QStringLiteral(" Pobierz"), this))
    , m_stop(new QPushButton(QStringLiteral(" Przerwij"), this))
    , m_close(new QPushButton(QStringLiteral("Zamknij"), this))
{
    m_start->setObjectName(QString::number(IDC_START_DATE));
    m_end->setObjectName(QString::number(IDC_END_DATE));
    for (QDateTimeEdit* edit : {m_start, m_end})
    {
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
        edit->setCalendarPopup(true);
    }
    m_get->setIcon(QIcon::fromTheme(QStringLiteral("document-save")));
    m_stop->setIcon(QIcon::fromTheme(QStringLiteral("process-stop")));
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(new QLabel(QStringLiteral("Od:"), this), 0, 0);
    layout->addWidget(m_start, 0, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Do:"), this), 1, 0);
    layout->addWidget(m_end, 1, 1, 1, 2);
    layout->addWidget(separator, 2, 0, 1, 3);
    // " Pobierz" and " Przerwij" share one place; only one of them shows at a time.
    layout->addWidget(m_get, 3, 0, 1, 2);
    layout->addWidget(m_stop, 3, 0, 1, 2);
    layout->addWidget(m_close, 3, 2);

    connect(m_start, &QDateTimeEdit::dateTimeChanged, this, &RibbonHistoryRangeDlg::OnStartChanged);
    connect(m_end, &QDateTimeEdit::dateTimeChanged, this, &RibbonHistoryRangeDlg::OnEndChanged);
    connect(m_get, &QPushButton::clicked, this, &RibbonHistoryRangeDlg::OnGetHistory);
    connect(m_stop, &QPushButton::clicked, this, &RibbonHistoryRangeDlg::OnStop);
    connect(m_close, &QPushButton::clicked, this, &RibbonHistoryRangeDlg::OnClose);
    Initialise();
}

void RibbonHistoryRangeDlg::Initialise()
{
    QDateTime from = m_now().addDays(-30);
    QDateTime to = m_now();
    if (m_consumer)
        m_consumer->GetHistoryTimesRange(from, to);
    {
        // The start's range is taken from the end control, so that must hold the end already.
        const QSignalBlocker blocker(m_end);
        m_end->setDateTimeRange(HistoryRange::EarliestStart(), std::max(to, m_now()));
        m_end->setDateTime(to);
    }
    SetUpStart(from);
    SetUpEnd(to);
    RefreshButtons();
}

void RibbonHistoryRangeDlg::RefreshButtons()
{
    m_get->setVisible(m_consumer && m_consumer->IfGettingHistoryPossible());
    m_get->setEnabled(true);
    m_stop->setVisible(m_consumer && m_consumer->IfStopGettingHistoryPossible());
}

void RibbonHistoryRangeDlg::SetUpStart(const QDateTime& value)
{
    // The other control's change notification would set this one up again mid-way.
    const QSignalBlocker blocker(m_start);
    m_start->setDateTimeRange(HistoryRange::EarliestStart(), m_end->dateTime().addDays(-1));
    m_start->setDateTime(value);
}

void RibbonHistoryRangeDlg::SetUpEnd(const QDateTime& value)
{
    const QSignalBlocker blocker(m_end);
    m_end->setDateTimeRange(m_start->dateTime().addDays(1), m_now());
    m_end->setDateTime(value);
}

void RibbonHistoryRangeDlg::OnStartChanged()
{
    SetUpStart(m_start->dateTime());
    if (m_consumer)
        m_consumer->SetHistoryTimeFrom(m_start->dateTime());
    SetUpEnd(m_end->dateTime());
    RefreshButtons();
}

void RibbonHistoryRangeDlg::OnEndChanged()
{
    SetUpEnd(m_end->dateTime());
    if (m_consumer)
        m_consumer->SetHistoryTimeTo(m_end->dateTime());
    SetUpStart(m_start->dateTime());
    RefreshButtons();
}

void RibbonHistoryRangeDlg::OnGetHistory()
{
    const HistoryRange::Checked checked = HistoryRange::Correct(m_start->dateTime(), m_end->dateTime(), m_now());
    if (checked.to != m_end->dateTime())
    {
        SetUpEnd(checked.to);
        if (m_consumer)
            m_consumer->SetHistoryTimeTo(checked.to);
    }
    if (checked.from != m_start->dateTime())
    {
        SetUpStart(checked.from);
        SetUpEnd(m_end->dateTime());
        if (m_consumer)
            m_consumer->SetHistoryTimeFrom(checked.from);
    }
    if (checked.corrected)
    {
        // The user sees the corrected range and asks again.
        setFocus();
        return;
    }
    ClosePopup(true);
    if (m_consumer)
        m_consumer->GetHistoryToFiles();
}

void RibbonHistoryRangeDlg::OnStop()
{
    ClosePopup(true);
    if (m_consumer)
        m_consumer->StopGettingHistory();
}

void RibbonHistoryRangeDlg::OnClose()
{
    ClosePopup(false);
}

void RibbonHistoryRangeDlg::ClosePopup(bool apply)
{
    if (m_control)
        m_control->ClosePopupBar(apply);
}
