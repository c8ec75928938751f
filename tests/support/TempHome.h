#pragma once
// Points HOME and the XDG folders at a fresh temporary folder for one test, so nothing
// the program writes lands in the real user's folders.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <map>

class TempHome
{
public:
    TempHome();
    ~TempHome();

    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString Path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    std::map<QByteArray, QByteArray> m_saved;
};
