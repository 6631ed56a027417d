// The access-list forms against the simulated switch: the form opened from its menu item (or
// directly, for the hidden payload forms) once its first read is done, what the SETs carried
// (octet strings in hexadecimal), and the checks as tables of inputs and messages.
#pragma once

#include <QDir>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "forms/layer2/stackingportunit.h"
#include "tests/forms/formfixture.h"

class AclFormTest : public FeatureFormTest {
protected:
    // "oid type value" of every varbind of a SET, octet strings as upper-case hex digits.
    static std::vector<std::string> Wire(const SimRequest& r)
    {
        std::vector<std::string> out;
        for (const SimVarbind& vb : r.varbinds) {
            std::string value = vb.value;
            if (vb.type == "string") {
                static const char* digits = "0123456789ABCDEF";
                value.clear();
                for (unsigned char c : vb.value) {
                    value += digits[c >> 4];
                    value += digits[c & 15];
                }
            }
            out.push_back(vb.oid + " " + vb.type + " " + value);
        }
        return out;
    }
    // The SETs since Mark(), each as Wire() gives it, once `count` are there.
    std::vector<std::vector<std::string>> SetsOnWire(size_t count = 1) const
    {
        std::vector<std::vector<std::string>> out;
        for (const SimRequest& r : Sets(count)) out.push_back(Wire(r));
        return out;
    }
    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> out;
        for (const auto& b : boxes.Boxes()) out.push_back(b.text);
        return out;
    }

    // The form of a menu item after its first read; body runs with it.
    template <class F>
    void Open(const char* component, std::function<void(F*)> body)
    {
        RunMenu<F>(component, [](F* f) { return Idle(f->Request); }, body);
    }
    template <class F>
    void OpenDirectly(std::function<void(F*)> body)
    {
        RunForm<F>([](F* f) { return Idle(f->Request); }, body);
    }

    // One check: what the operator does, the message box it brings, and the control that then
    // holds the focus (null: not looked at). Nothing may go to the switch.
    template <class F>
    struct Check {
        const char* name;
        std::function<void(F*)> arrange;
        const char* message;
        std::function<TWinControl*(F*)> focused;
    };
    // Runs every check on the open form: prepare() puts the form back to a known state, then the
    // case is arranged and press() clicks the button under test.
    template <class F>
    void RunChecks(F* f, const std::vector<Check<F>>& checks, std::function<void(F*)> prepare,
                   std::function<void(F*)> press)
    {
        for (const Check<F>& c : checks) {
            SCOPED_TRACE(c.name);
            prepare(f);
            c.arrange(f);
            boxes.Clear();
            Mark();
            press(f);
            EXPECT_EQ(BoxTexts(), std::vector<std::string>{c.message});
            if (c.focused) {
                TWinControl* want = c.focused(f);
                EXPECT_EQ(want->Widget()->window()->focusWidget(), want->Widget()) << want->Name().c_str();
            }
            EXPECT_TRUE(Since("SET").empty());
        }
    }

    static void Type(TEdit* e, const char* text) { e->SetText(text); }
    static void Pick(TComboBox* c, int index) { c->SetItemIndex(index); }
    static void Tick(TCheckBox* b, bool on = true) { b->SetChecked(on); }
    static void TickPorts(TStackingPortUitForm* page, std::initializer_list<int> ports)
    {
        for (int p : ports) page->PortCheck(p - 1)->SetChecked(true);
    }
    // The form's look after its first read, for a person to check.
    static void Screenshot(QWidget* w, const char* name)
    {
        const char* buildDir = std::getenv("VRX_BUILD_DIR");
        const QString dir = QString(buildDir && *buildDir ? buildDir : VRX_BUILD_DIR) + "/screenshots";
        QDir().mkpath(dir);
        w->grab().save(dir + "/" + name + ".png");
    }
};
