#include "platform/ui/QtMessageBoxService.h"

#include "platform/ui/MessageBoxFlags.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

namespace
{
using Buttons = std::vector<std::pair<QMessageBox::StandardButton, int>>;

Buttons ButtonsOf(std::uint32_t flags)
{
    switch (flags & MB_TYPEMASK)
    {
    case MB_OKCANCEL:
        return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL:
        return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default:
        return {{QMessageBox::Ok, IDOK}};
    }
}

QMessageBox::Icon IconOf(std::uint32_t flags)
{
    switch (flags & MB_ICONMASK)
    {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}
}

int QtMessageBoxService::Show(const QString& caption, const QString& text, std::uint32_t flags)
{
    QMessageBox box(IconOf(flags), caption, text, QMessageBox::NoButton, QApplication::activeWindow());
    const Buttons buttons = ButtonsOf(flags);
    for (const auto& [button, id] : buttons)
        box.addButton(button);
    const auto defaultIndex = static_cast<std::size_t>((flags & MB_DEFMASK) >> 8);
    box.setDefaultButton(buttons[defaultIndex < buttons.size() ? defaultIndex : 0].first);
    box.exec();
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    for (const auto& [button, id] : buttons)
    {
        if (button == pressed)
            return id;
    }
    return buttons.size() == 1 ? IDOK : IDCANCEL;
}
