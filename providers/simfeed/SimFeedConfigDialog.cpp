#include "providers/simfeed/SimFeedConfigDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

SimFeedConfigDialog::SimFeedConfigDialog(const SimFeedOptions& options, QWidget* parent)
    : QDialog(parent)
    , m_options(options)
{
    setWindowTitle(QStringLiteral("Kelvora OnLine – konfiguracja"));
    auto* layout = new QFormLayout(this);

    m_interval = new QSpinBox(this);
    m_interval->setRange(SimFeedOptions::kMinIntervalMs, SimFeedOptions::kMaxIntervalMs);
    m_interval->setSuffix(QStringLiteral(" ms"));
    m_interval->setValue(static_cast<int>(options.tickInterval.count()));
    layout->addRow(QStringLiteral("Odstęp między krokami:"), m_interval);

    m_ticks = new QSpinBox(this);
    m_ticks->setRange(1, SimFeedOptions::kMaxTicksPerStep);
    m_ticks->setValue(options.ticksPerStep);
    layout->addRow(QStringLiteral("Transakcje w kroku:"), m_ticks);

    m_seed = new QSpinBox(this);
    m_seed->setRange(0, static_cast<int>(SimFeedOptions::kMaxSeed));
    m_seed->setValue(static_cast<int>(options.seed));
    layout->addRow(QStringLiteral("Ziarno (od następnego uruchomienia):"), m_seed);

    m_cloudAddress = new QLineEdit(options.cloudAddress, this);
    m_cloudAddress->setPlaceholderText(QStringLiteral("https://serwer/rest/"));
    layout->addRow(QStringLiteral("Adres serwera Chmury (od następnego uruchomienia):"), m_cloudAddress);
    m_cloudLogin = new QLineEdit(options.cloudLogin, this);
    layout->addRow(QStringLiteral("Login do Chmury:"), m_cloudLogin);
    m_cloudPassword = new QLineEdit(options.cloudPassword, this);
    m_cloudPassword->setEchoMode(QLineEdit::Password);
    layout->addRow(QStringLiteral("Hasło do Chmury:"), m_cloudPassword);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

SimFeedOptions SimFeedConfigDialog::Options() const
{
    SimFeedOptions options = m_options;
    options.seed = static_cast<std::uint64_t>(m_seed->value());
    options.tickInterval = std::chrono::milliseconds(m_interval->value());
    options.ticksPerStep = m_ticks->value();
    options.cloudAddress = m_cloudAddress->text().trimmed();
    options.cloudLogin = m_cloudLogin->text().trimmed();
    options.cloudPassword = m_cloudPassword->text();
    return options;
}
