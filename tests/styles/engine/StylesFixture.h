#pragma once
// An empty styles container, a temporary home and a log in it, for the styles suites; and a
// helper that gives every parameter of a style a value other than its default.

#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <QString>

#include <memory>

class StyleBase;

class StylesFixture : public ::testing::Test
{
protected:
    StylesFixture();
    ~StylesFixture() override;

    // A folder inside the temporary home (made when missing).
    QString Folder(const QString& name) const;
    // The text of "LogWarning.txt" / "LogError.txt" so far.
    QString Warnings() const;
    QString Errors() const;

    // Each value, colour and flag, pen and font, of the style and of its own related copies, is
    // set to a value other than the default; salt varies the values between styles.
    static void ChangeEveryParameter(StyleBase& style, int salt);
    // Same kind, parameters, related styles (by id for named ones, by parameters for own copies),
    // name and changed marks.
    static ::testing::AssertionResult SameStyle(const StyleBase& expected, const StyleBase& actual);

    TempHome home;

private:
    QString ReadLog(const QString& fileName) const;
};
