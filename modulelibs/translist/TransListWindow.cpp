#include "modulelibs/translist/TransListWindow.h"

#include "platform/ui/CmdTarget.h"

#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QPainter>

void TransListWindow::contextMenuEvent(QContextMenuEvent* event)
{
    CmdTarget* target = GetCmdTarger();
    if (target == nullptr)
        return;
    QMenu menu(this);
    const QAction* edit = menu.addAction(QStringLiteral("Podgląd i edycja stylu listy transakcji"));
    if (menu.exec(event->globalPos()) == edit)
    {
        ForceActivate();
        target->ExecuteCommand(kEditStyleCommand);
    }
}

TransListWindow::TransListWindow(ConsumerBase& consumer, const std::shared_ptr<StyleBase>& style, QWidget* parent)
    : FeedWindow(consumer, style, 6, parent)
    , m_today([] { return QDate::currentDate(); })
    , m_sessionDate(QDate::currentDate())
{
}

void TransListWindow::SetSessionDate(const QDate& date)
{
    if (!date.isValid())
        return;
    m_sessionDate = date;
    Refilter();
    UpdateScrollRange();
    update();
}

void TransListWindow::Refilter()
{
    m_history.clear();
    if (!ShowsHistory())
        return;
    for (const Transaction& transaction : m_transactions)
        if (transaction.time.ToQDateTime().date() == m_sessionDate)
            m_history.push_back(transaction);
}

const Transaction& TransListWindow::Shown(int index) const
{
    return ShowsHistory() ? m_history[index] : m_transactions[index];
}

void TransListWindow::AbsorbTransactions(std::vector<Transaction>&& transactions)
{
    for (Transaction& transaction : transactions)
        m_transactions.push_front(std::move(transaction));
    if (m_transactions.size() > kMaxTransactions)
        m_transactions.resize(kMaxTransactions);
}

void TransListWindow::ForgetInstrumentData()
{
    m_transactions.clear();
    m_history.clear();
}

void TransListWindow::Absorb(FeedLink::Batch&& batch)
{
    AbsorbTransactions(std::move(batch.transactions));
}

void TransListWindow::PaintInto(QImage& image)
{
    render(&image);
}

QStringList TransListWindow::Header() const
{
    return {QStringLiteral("Czas"), QStringLiteral("Kurs"), QStringLiteral("Wolumen"), QStringLiteral("Strona")};
}

int TransListWindow::RowCount() const
{
    return static_cast<int>(ShowsHistory() ? m_history.size() : m_transactions.size());
}

QStringList TransListWindow::Row(int index) const
{
    const Transaction& transaction = Shown(index);
    const QString side = transaction.initiator == Transaction::Initiator::Buyer    ? QStringLiteral("K")
                         : transaction.initiator == Transaction::Initiator::Seller ? QStringLiteral("S")
                                                                                   : QString();
    return {transaction.time.FormatTime(), QString::number(transaction.price, 'f', 2),
            QString::number(transaction.volume, 'f', 0), side};
}

int TransListWindow::Tendency(int index) const
{
    if (index + 1 >= RowCount())
        return 0;
    const double change = Shown(index).price - Shown(index + 1).price;
    return change > 0 ? 1 : change < 0 ? -1 : 0;
}

int TransListWindow::RowGroup(int index) const
{
    if (StyleParams().GetParam(kStyleGroup, StyleTransactionList::ParamColouringMode) != kTendencyMode)
        return index % 2;
    // Rises take groups 2 and 3 in turn, falls 4 and 5, by the transaction's id.
    const int turn = static_cast<int>(Shown(index).id % 2);
    switch (Tendency(index))
    {
    case 1:
        return 2 + turn;
    case -1:
        return 4 + turn;
    default:
        return index % 2;
    }
}
