#pragma once
// The history-range popup of the files generator: the start and end dates of the history to
// write, " Pobierz" and " Przerwij" in one place (whichever the library allows shows) and
// "Zamknij". Each date's allowed range follows the other date, so the start stays at least a
// day before the end and the end never passes now. The library calls RefreshButtons whenever
// fetching starts or ends. Main thread only.

#include "ribbon/popups/BasePopupBarDlg.h"

#include <QDateTime>
#include <functional>

class AppFilesGeneratorConsumer;
class QDateTimeEdit;
class QPushButton;
class RibbonControlPopupEx;

class RibbonHistoryRangeDlg : public BasePopupBarDlg
{
    Q_OBJECT

public:
    static constexpr int IDC_START_DATE = 1305;
    static constexpr int IDC_END_DATE = 1303;
    static constexpr int IDC_GET = 1139;
    static constexpr int IDC_STOP = 1357;
    static constexpr int IDC_CLOSE = 3;

    // control: the ribbon control that hosts the popup (not owned, may be null in tests); now:
    // the clock, the system's when empty.
    RibbonHistoryRangeDlg(AppFilesGeneratorConsumer* consumer, RibbonControlPopupEx* control, QWidget* parent,
                          std::function<QDateTime()> now = {});

    // Reads the library's range into both dates and shows the right buttons.
    void Initialise();

    QDateTimeEdit* StartDate() const { return m_start; }
    QDateTimeEdit* EndDate() const { return m_end; }
    QPushButton* GetButton() const { return m_get; }
    QPushButton* StopButton() const { return m_stop; }
    QPushButton* CloseButton() const { return m_close; }

public slots:
    void RefreshButtons();

    void OnStartChanged();
    void OnEndChanged();
    void OnGetHistory();
    void OnStop();
    void OnClose();

private:
    void SetUpStart(const QDateTime& value);
    void SetUpEnd(const QDateTime& value);
    void ClosePopup(bool apply);

    AppFilesGeneratorConsumer* m_consumer;
    RibbonControlPopupEx* m_control;
    std::function<QDateTime()> m_now;
    QDateTimeEdit* m_start;
    QDateTimeEdit* m_end;
    QPushButton* m_get;
    QPushButton* m_stop;
    QPushButton* m_close;
};
