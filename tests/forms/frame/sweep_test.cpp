// Every registered hand-made form, opened through its menu item against three switches (one
// that answers, one that has fallen silent, one that refuses every request with an error):
// closed while its first read runs, then opened again and worked as an operator would (the
// first row of each list selected, a long text pasted into each edit, each push button
// pressed, any dialog a button opens closed again), then closed. Nothing may hang, no window
// may be left open, and the sanitizer build must report nothing (it aborts on a report).
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTime>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <pthread.h>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "mainwindow/featureforms.h"
#include "mainwindow/menucommands.h"
#include "platform/snmp/snmp.h"
#include "platform/ui/buttons.h"
#include "snmpvars/qzsnmpsession.h"
#include "tests/forms/formfixture.h"

namespace {

enum SwitchKind { kHealthy, kSilent, kFailing };
const int kGroups = 6;  // the forms are spread over this many test cases per switch

const char* KindName(SwitchKind k) { return k == kHealthy ? "Healthy" : k == kSilent ? "Silent" : "Failing"; }

// The menu items of every registered hand-made form, in menu order.
std::vector<std::string> FormItems()
{
    std::vector<std::string> out;
    for (int i = 0; i < MenuCommandCount(); ++i) {
        const TMenuCommand& cmd = MenuCommandAt(i);
        if (cmd.kind == ckForm && FindFeatureForm(cmd.component)) out.push_back(cmd.component);
    }
    return out;
}

// Aborts the test binary, naming the step, when one step takes longer than its bound: a hang
// shows where it is instead of as the suite's time-out.
class Watchdog {
public:
    explicit Watchdog(int boundMs) : bound_(boundMs), thread_([this] { Run(); }) {}
    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_);
            stop_ = true;
        }
        cv_.notify_all();
        thread_.join();
    }
    void Step(const std::string& name)
    {
        if (std::getenv("VRX_SWEEP_TRACE"))
            std::fprintf(stderr, "sweep: %s %s\n", QTime::currentTime().toString("hh:mm:ss.zzz").toStdString().c_str(),
                         name.c_str());
        std::lock_guard<std::mutex> lock(m_);
        step_ = name;
        since_ = std::chrono::steady_clock::now();
    }

private:
    void Run()
    {
        std::unique_lock<std::mutex> lock(m_);
        while (!stop_) {
            cv_.wait_for(lock, std::chrono::milliseconds(200));
            if (!stop_ && std::chrono::steady_clock::now() - since_ > std::chrono::milliseconds(bound_)) {
                std::fprintf(stderr, "sweep: step \"%s\" still running after %d ms\n", step_.c_str(), bound_);
                std::fflush(stderr);
                // In the window thread, so that a sanitizer build (handle_abort=1) shows where it hangs.
                pthread_kill(main_, SIGABRT);
                std::this_thread::sleep_for(std::chrono::seconds(5));
                std::abort();
            }
        }
    }
    const int bound_;
    const pthread_t main_ = pthread_self();
    std::mutex m_;
    std::condition_variable cv_;
    bool stop_ = false;
    std::string step_ = "start";
    std::chrono::steady_clock::time_point since_ = std::chrono::steady_clock::now();
    std::thread thread_;
};

// Buttons that end the form go last, so that the others are all pressed.
bool Closes(const TButton* b)
{
    const std::string c = b->Caption().std();
    for (const char* word : {"OK", "&OK", "Ok", "Cancel", "&Cancel", "Close", "&Close", "Exit", "E&xit", "Quit"})
        if (c == word) return true;
    return b->ModalResult() != mrNone;
}

class SweepTest : public FeatureFormTest, public ::testing::WithParamInterface<std::tuple<SwitchKind, int>> {
protected:
    void SetUp() override
    {
        FeatureFormTest::SetUp();
        oldBox_ = SetMessageBoxHandler([this](const AnsiString& text, const AnsiString&, int flags) {
            ++boxCount_;
            lastBox_ = text.std();
            if ((flags & 0xF) == MB_YESNO || (flags & 0xF) == MB_YESNOCANCEL) return static_cast<int>(IDYES);
            return static_cast<int>(IDOK);
        });
    }
    void TearDown() override
    {
        SetMessageBoxHandler(std::move(oldBox_));
        QzSNMPTimeout = 100;
        FeatureFormTest::TearDown();
    }

    SwitchKind Kind() const { return std::get<0>(GetParam()); }

    void StartKind()
    {
        StartSwitch();
        if (Kind() == kSilent) {
            agent->Control("fault drop all");
            QzSNMPTimeout = 10;  // each exchange gives up after 0.1 s (and its one retry)
        } else if (Kind() == kFailing) {
            agent->Control("fault error 1.3.6.1 genErr");
        }
    }
    // The agent's reply delay: long while a read is to be caught running, short otherwise.
    void Delay(int ms)
    {
        if (Kind() != kSilent) agent->Control("fault delay " + std::to_string(ms));
    }

    // Waits (bounded) until no asynchronous exchange is outstanding.
    static bool Quiet(int ms = 10000)
    {
        return WaitFor([] { return !QzSNMPSession || QzSNMPSession->pending_count() == 0; }, ms);
    }

    // Picks the menu item; runs body(form) on the form it opens, inside its modal loop.
    void Open(const std::string& component, const std::function<void(TForm*)>& body)
    {
        auto* item = dynamic_cast<TMenuItem*>(form->FindComponent(component.c_str()));
        ASSERT_NE(item, nullptr) << component;
        ASSERT_TRUE(item->Enabled()) << component;
        bool ran = false;
        auto* poll = new QTimer(qApp);
        poll->setInterval(2);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, body, &ran] {
            auto* f = dynamic_cast<TForm*>(QApplication::activeModalWidget());
            if (!f || f == MainForm) return;
            poll->stop();
            poll->deleteLater();
            QPointer<TForm> alive(f);
            body(f);
            ran = true;
            if (alive && alive->isVisible()) alive->Close();
        });
        poll->start();
        item->Click();
        if (!ran) {
            delete poll;  // the form never came up modally (its creation failed)
            ADD_FAILURE() << component << ": no form came up";
        }
    }

    // The operator's session with one form.
    void Work(TForm* f, const std::string& name)
    {
        Quiet();
        for (TListView* lv : f->findChildren<TListView*>()) {
            if (!lv->isEnabled() || lv->Items()->Count() == 0) continue;
            watchdog_->Step(name + ": first row of " + lv->objectName().toStdString());
            lv->setCurrentItem(lv->Items()->Item(0));
            lv->Items()->Item(0)->setSelected(true);
            if (!alive_) return;
            Quiet();
        }
        if (!alive_) return;
        const QString text = LongText();
        for (TCustomEdit* e : f->findChildren<TCustomEdit*>()) {
            if (!alive_) return;
            if (!e->isEnabled() || e->isReadOnly() || e->isHidden()) continue;
            watchdog_->Step(name + ": paste into " + e->objectName().toStdString());
            QPointer<QWidget> edit(e);
            e->selectAll();
            e->insert(text);
            ++pasted_;
            if (edit) e->DoExit();
        }
        std::vector<QPointer<TButton>> buttons, closing;
        for (TButton* b : f->findChildren<TButton*>()) (Closes(b) ? closing : buttons).push_back(b);
        buttons.insert(buttons.end(), closing.begin(), closing.end());
        for (const QPointer<TButton>& b : buttons) {
            if (!alive_ || !f->isVisible()) return;
            if (!b || !b->isEnabled() || b->isHidden()) continue;
            watchdog_->Step(name + ": press " + b->Caption().std());
            ++pressed_;
            b->Click();
            if (!alive_) return;
            // Not asserted: the form may go on reading; its close must still end it.
            if (!Quiet(3000) && std::getenv("VRX_SWEEP_TRACE")) {
                std::vector<SimRequest> all = agent->Requests();
                for (size_t k = all.size() > 6 ? all.size() - 6 : 0; k < all.size(); ++k)
                    std::fprintf(stderr, "sweep:   %zu %s %s %s\n", k, all[k].kind.c_str(), all[k].status.c_str(),
                                 all[k].varbinds.empty() ? "" : all[k].varbinds[0].oid.c_str());
            }
        }
    }

    static QString LongText()
    {
        QString s;
        while (s.size() < 10000) s += "Vrx6120-./:, ";
        return s.left(10000);
    }

    // Closes a dialog that a button of the form under test opened, once its reads are over.
    void CloseNested()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!sweeping_ || !w || w == sweeping_ || w == MainForm) {
            nestedSince_.invalidate();
            return;
        }
        if (!nestedSince_.isValid()) nestedSince_.start();
        const bool quiet = !QzSNMPSession || QzSNMPSession->pending_count() == 0;
        if (!quiet && nestedSince_.elapsed() < 3000) return;
        nestedSince_.invalidate();
        if (std::getenv("VRX_SWEEP_TRACE"))
            std::fprintf(stderr, "sweep: closing %s \"%s\"\n", w->metaObject()->className(),
                         w->windowTitle().toStdString().c_str());
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            ADD_FAILURE() << "a message box was shown outside the program's message box function: "
                          << box->text().toStdString();
            box->reject();
        } else if (auto* t = dynamic_cast<TForm*>(w)) {
            t->Close();
        } else if (auto* d = qobject_cast<QDialog*>(w)) {
            d->reject();
        }
    }

    void Sweep()
    {
        StartKind();
        Watchdog watchdog(60000);
        watchdog_ = &watchdog;
        std::vector<std::string> items = FormItems();
        ASSERT_GT(items.size(), 40u);
        QTimer nested;
        nested.setInterval(20);
        QObject::connect(&nested, &QTimer::timeout, [this] { CloseNested(); });
        nested.start();
        for (size_t i = static_cast<size_t>(std::get<1>(GetParam())); i < items.size(); i += kGroups) {
            const std::string& name = items[i];
            if (const char* only = std::getenv("VRX_SWEEP_FORM"); only && name != only) continue;
            SCOPED_TRACE(name);
            // Closed while its first read is still on the way.
            watchdog.Step(name + ": closed during its first read");
            Delay(300);
            Open(name, [](TForm* f) { f->Close(); });
            Delay(2);
            watchdog.Step(name + ": quiet after the close");
            EXPECT_TRUE(Quiet()) << name;
            // Worked through, then closed.
            watchdog.Step(name + ": opened");
            Open(name, [&](TForm* f) {
                sweeping_ = f;
                alive_ = f;
                Work(f, name);
                sweeping_ = nullptr;
            });
            watchdog.Step(name + ": quiet after the session");
            EXPECT_TRUE(Quiet()) << name;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible()) ADD_FAILURE() << name << " left a window open: " << w->windowTitle().toStdString();
            if (Kind() == kHealthy) {
                // The switch still answers, and so does the main window's next read.
                Settle();
            }
        }
        watchdog_ = nullptr;
        // The sweep reached the controls it is about.
        if (!std::getenv("VRX_SWEEP_FORM")) {
            EXPECT_GT(pressed_, 10);
            EXPECT_GT(pasted_, 0);
        }
        std::printf("sweep: %d buttons pressed, %d edits pasted into, %d message boxes\n", pressed_, pasted_,
                    boxCount_);
    }

    Watchdog* watchdog_ = nullptr;
    QPointer<QWidget> sweeping_;
    QPointer<QWidget> alive_;
    QElapsedTimer nestedSince_;
    MessageBoxHandler oldBox_;
    int boxCount_ = 0;
    int pressed_ = 0;
    int pasted_ = 0;
    std::string lastBox_;
};

}  // namespace

TEST_P(SweepTest, EveryFormOpensWorksAndCloses) { Sweep(); }

INSTANTIATE_TEST_SUITE_P(Switches, SweepTest,
                         ::testing::Combine(::testing::Values(kHealthy, kSilent, kFailing),
                                            ::testing::Range(0, kGroups)),
                         [](const ::testing::TestParamInfo<std::tuple<SwitchKind, int>>& info) {
                             return std::string(KindName(std::get<0>(info.param))) + "_" +
                                    std::to_string(std::get<1>(info.param));
                         });
