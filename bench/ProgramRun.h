#pragma once
// Starting and ending the whole program inside a benchmark, as app/main.cpp does: its names, its
// start until a condition holds (the main window shown, say), and its end.

#include "app/ClassicEditionSetup.h"
#include "core/app/Quorvanta4App.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IMainFrame.h"
#include "platform/base/AppPaths.h"

#include <QApplication>
#include <QWidget>

#include <memory>

// The names the program's folders are found by; after the application object is made.
inline void NameProgram()
{
    QApplication::setApplicationName(QString::fromUtf8(AppPaths::kProductName));
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));
}

inline bool MainWindowShown()
{
    AppMediator* mediator = AppMediator::Instance();
    IMainFrame* frame = mediator ? mediator->GetMainFrame() : nullptr;
    return frame && frame->GetWindow()->isVisible() && frame->IsSessionLoaded();
}

// Starts the program and runs its events until the condition holds; null when it did not start.
template <typename Condition>
std::unique_ptr<Quorvanta4App> StartUntil(Condition condition)
{
    auto app = std::make_unique<Quorvanta4App>(MakeClassicEditionSetup(), QStringList());
    if (!app->InitInstance())
        return nullptr;
    while (!condition())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return app;
}

inline void Exit(std::unique_ptr<Quorvanta4App> app)
{
    if (IMainFrame* frame = app->GetPulpitFrame())
        frame->GetWindow()->close();
    app->ExitInstance();
}
