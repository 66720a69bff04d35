// The application object's form creation and loop, with a probe form in place of the window.
#include <gtest/gtest.h>

#include "vcl/application.h"
#include "winsim/sim.h"

namespace {

class ProbeForm;
ProbeForm* Probe = nullptr;

class ProbeForm : public TForm {
  public:
    explicit ProbeForm(TComponent* owner) : TForm(owner), globalWhileConstructed(Probe) {}
    void ReadLayout() override {
        globalWhileLaidOut = Probe;
        if (failLayout) throw Exception("layout");
        SetBounds(10, 20, 30, 40);
        OnCreate = onCreate;
    }
    void Dispatch(void* message) override {
        if (static_cast<TMessage*>(message)->Msg == WM_WINDOWPOSCHANGING) ++positionRequests;
        TForm::Dispatch(message);
    }
    int positionRequests = 0;
    ProbeForm* globalWhileConstructed;
    ProbeForm* globalWhileLaidOut = nullptr;

    static inline bool failLayout = false;
    static inline TNotifyEvent onCreate;
};

class CreateFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        winsim::Reset();
        CreateApplication();
        Probe = nullptr;
        ProbeForm::failLayout = false;
        ProbeForm::onCreate = nullptr;
    }
    void TearDown() override {
        DestroyApplication();
        ProbeForm::onCreate = nullptr;
    }
};

TEST_F(CreateFormTest, CreationHandlerSeesTheFormThroughItsGlobalBeforeItIsMainForm) {
    ProbeForm* seen = nullptr;
    TCustomForm* mainFormThen = Application->MainForm();
    bool handleThen = true;
    ProbeForm::onCreate = [&](TObject* sender) {
        seen = Probe;
        EXPECT_EQ(sender, Probe);
        mainFormThen = Application->MainForm();
        handleThen = Probe->HandleAllocated();
    };
    Application->CreateForm(Probe);
    EXPECT_EQ(Probe->globalWhileConstructed, Probe);
    EXPECT_EQ(Probe->globalWhileLaidOut, Probe);
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(seen, Probe);
    EXPECT_EQ(mainFormThen, nullptr);
    EXPECT_FALSE(handleThen);
    EXPECT_EQ(Application->MainForm(), Probe);
    EXPECT_TRUE(Probe->HandleAllocated());
    EXPECT_FALSE(IsWindowVisible(Probe->Handle()));
}

TEST_F(CreateFormTest, RunReadsShowMainFormOnlyAfterTheCreationHandler) {
    ProbeForm::onCreate = [](TObject*) {
        Application->SetShowMainForm(false);
        Application->Terminate();
    };
    Application->CreateForm(Probe);
    Application->Run();
    EXPECT_FALSE(IsWindowVisible(Probe->Handle()));
    EXPECT_FALSE(Probe->Visible());
}

TEST_F(CreateFormTest, ExceptionFromTheCreationHandlerIsShownAndCreationGoesOn) {
    Application->SetTitle("Quillet");
    ProbeForm::onCreate = [](TObject*) { throw Exception("書き込めません"); };
    winsim::AnswerMessageBox(IDOK);
    Application->CreateForm(Probe);
    ASSERT_EQ(winsim::MessageBoxes().size(), 1u);
    const auto& box = winsim::MessageBoxes()[0];
    EXPECT_EQ(box.text, u"書き込めません.");
    EXPECT_EQ(box.caption, u"Quillet");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(box.owner, Application->Handle());
    EXPECT_EQ(Application->MainForm(), Probe);
    EXPECT_TRUE(Probe->HandleAllocated());
}

TEST_F(CreateFormTest, FailedConstructionLeavesTheGlobalNullAndPassesTheException) {
    ProbeForm::failLayout = true;
    EXPECT_THROW(Application->CreateForm(Probe), Exception);
    EXPECT_EQ(Probe, nullptr);
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(CreateFormTest, BoundsSetterMovesTheWindowOnlyForARealChange) {
    Application->CreateForm(Probe);
    Probe->positionRequests = 0;
    Probe->SetBounds(10, 20, 30, 40);
    Probe->SetLeft(10);
    Probe->SetWidth(30);
    EXPECT_EQ(Probe->positionRequests, 0);
    Probe->SetBounds(11, 21, 31, 41);
    EXPECT_EQ(Probe->positionRequests, 1);
    RECT rect;
    GetWindowRect(Probe->Handle(), &rect);
    EXPECT_EQ(rect.left, 11);
    EXPECT_EQ(rect.top, 21);
    EXPECT_EQ(rect.right, 42);
    EXPECT_EQ(rect.bottom, 62);
}

TEST_F(CreateFormTest, BoundsSetBeforeTheWindowExistsAreItsFirstBounds) {
    Application->CreateForm(Probe);
    RECT rect;
    GetWindowRect(Probe->Handle(), &rect);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.right - rect.left, 30);
    EXPECT_EQ(rect.bottom - rect.top, 40);
}

TEST_F(CreateFormTest, ApplicationWindowIsShownWithZeroSizeAtTheScreenCentre) {
    const auto windows = winsim::Windows();
    ASSERT_FALSE(windows.empty());
    const auto& app = windows.front();
    EXPECT_EQ(app.hwnd, Application->Handle());
    EXPECT_TRUE(app.visible);
    EXPECT_EQ(app.style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_EQ(app.rect.left, 640);
    EXPECT_EQ(app.rect.top, 512);
    EXPECT_EQ(app.rect.right, 640);
    EXPECT_EQ(app.rect.bottom, 512);
}

TEST_F(CreateFormTest, CloseRequestToTheApplicationWindowClosesTheMainForm) {
    int closes = 0;
    ProbeForm::onCreate = [&](TObject*) {
        Probe->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
    };
    Application->CreateForm(Probe);
    PostMessageW(Application->Handle(), WM_CLOSE, 0, 0);
    Application->Run();
    EXPECT_EQ(closes, 1);
}

TEST_F(CreateFormTest, ExceptionInTheCloseHandlerAbandonsTheClose) {
    Application->SetTitle("Quillet");
    int closes = 0;
    ProbeForm::onCreate = [&](TObject*) {
        Probe->OnClose = [&](TObject*, TCloseAction&) {
            if (++closes == 1) throw Exception("QLT.ini に書き込めません");
        };
    };
    Application->CreateForm(Probe);
    winsim::AnswerMessageBox(IDOK);
    PostMessageW(Probe->Handle(), WM_CLOSE, 0, 0);
    winsim::At(1000, [] { PostMessageW(Probe->Handle(), WM_CLOSE, 0, 0); });
    Application->Run();
    EXPECT_EQ(closes, 2);
    ASSERT_EQ(winsim::MessageBoxes().size(), 1u);
    EXPECT_EQ(winsim::MessageBoxes()[0].text, u"QLT.ini に書き込めません.");
    EXPECT_GE(winsim::Now(), 1000u);
}

}  // namespace
