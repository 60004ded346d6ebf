#pragma once
// A loaded main window on the scripted platform (message boxes, beeps, 2024-06-15 as today).

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/main_window_model.h"
#include "tests/support/fakes.h"

namespace orvane::testing {

class WindowTest : public ::testing::Test {
  protected:
    WindowTest() : window(platform.services()) { window.Form_Load(); }

    MainWindowControls& f() { return window.controls(); }
    Control& c(MainCtl id) { return window.controls()[id]; }
    DeprState& state() { return window.depr().state; }

    void Choose(MainCtl list, const std::string& text) {
        const auto& items = c(list).items;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i] == text) {
                if (list == MainCtl::cboClass) {
                    ASSERT_EQ(window.OpenList(list), Outcome::Done);
                }
                ASSERT_EQ(window.ChooseItem(list, static_cast<int>(i)), Outcome::Done);
                return;
            }
        }
        FAIL() << text << " is not in " << Design(list).name;
    }
    // Focus the field, type the text key by key, and leave it with Tab.
    void Enter(MainCtl field, const std::string& text) {
        if (f().focus() == field) window.Tab();
        ASSERT_EQ(window.Focus(field), Outcome::Done) << Design(field).name;
        window.TypeText(text);
        if (f().focus() == field) window.Tab();
    }
    void InService(const std::string& digits) {
        if (f().focus() == MainCtl::txtInService) window.Tab();
        ASSERT_EQ(window.Focus(MainCtl::txtInService), Outcome::Done);
        window.TypeText(digits);
    }
    void Calculate() { ASSERT_EQ(window.Click(MainCtl::cmdCalculate), Outcome::Done); }
    std::string Status() { return c(MainCtl::stbMain).caption; }
    std::string Cell(int row, int col) { return f().grid.Text(row, col); }
    // The depreciation texts of the rows that show a year, in year order.
    std::vector<std::string> Amounts() {
        std::vector<std::string> out;
        for (int g = 0; g < 4; ++g) {
            for (int r = 1; r < ScheduleGrid::kRows; ++r) {
                if (!Cell(r, 1 + 3 * g).empty()) out.push_back(Cell(r, 2 + 3 * g));
            }
        }
        return out;
    }

    fakes::Platform platform;
    fakes::FakePrinter& printer = platform.printer;
    MainWindowModel window;
};

}  // namespace orvane::testing
