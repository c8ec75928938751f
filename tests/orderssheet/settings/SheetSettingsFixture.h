#pragma once
// An empty styles container with the orders-sheet style kind known, a temporary home and a
// log in it, for the orders-sheet settings suites.

#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <memory>

class Q5Settings;
class Settings;
class StyleTextField;

class SheetSettingsFixture : public ::testing::Test
{
protected:
    SheetSettingsFixture();
    ~SheetSettingsFixture() override;

    // A named text-field style in the container, its text colour set to colour.
    static std::shared_ptr<StyleTextField> AddTextStyle(qint32 colour);

    // The export as the program's own reader reads it back.
    Settings ReadBack(const Q5Settings& node) const;

    TempHome home;
};
