// A fresh simulated machine and application object for each test, and the user's actions on
// the program's window.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/form1.h"
#include "ui/transport.h"
#include "vcl/application.h"
#include "winsim/sim.h"

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        winsim::Reset();
        CreateApplication();
        Form1 = nullptr;
        MediaOpened = false;
    }
    void TearDown() override {
        DestroyApplication();
        Form1 = nullptr;
    }

    // The program's start up to the loop, and the loop's first step: the window on screen.
    static void Start() {
        ShowWindow(Application->Handle(), SW_HIDE);
        Application->SetTitle("Quillet");
        Application->CreateForm(Form1);
        Application->MainForm()->Show();
    }
    static void Pump() { Application->ProcessMessages(); }
    static POINT ScreenPoint(int x, int y) { return POINT{Form1->Left() + x, Form1->Top() + y}; }
    // A left click at a point of the window.
    static void ClickAt(int x, int y) {
        const POINT at = ScreenPoint(x, y);
        ASSERT_TRUE(winsim::Click(at.x, at.y));
        Pump();
    }
    // A right click at a point of the window, and the choice in the menu it opens.
    static void ChooseAt(int x, int y, std::vector<std::u16string> path) {
        winsim::AnswerMenu(std::move(path));
        const POINT at = ScreenPoint(x, y);
        ASSERT_TRUE(winsim::Click(at.x, at.y, winsim::Button::Right));
        Pump();
    }
    static void Choose(std::vector<std::u16string> path) { ChooseAt(5, 5, std::move(path)); }
    static void ShowButtons() { Choose({u"&Button"}); }
};
