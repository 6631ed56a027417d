// Texts a person must read whole: the longest value of a list, a fixed caption, a button's
// caption and a result line fit the control that shows them, and a row's marker caption is
// not drawn between its parts.
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <typeinfo>

#include "forms/acl/IPv6MaskInfo.h"
#include "forms/layer2/equipmentbasicinfoformunit.h"
#include "forms/layer2/packetstormcontrolformunit.h"
#include "forms/layer2/summertime.h"
#include "forms/layer2/vlanportinfomationunit.h"
#include "forms/routing_security/ipstaticrouteform.h"
#include "forms/routing_security/routeredistributform.h"
#include "tests/forms/formfixture.h"

namespace {

// The width a control needs to show `text` (its caption or longest item) whole.
int Needed(QWidget* w)
{
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        int longest = 0;
        for (int i = 0; i < box->count(); ++i)
            longest = std::max(longest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
        // The arrow and the frame take what the box's own size hint adds to its text.
        QComboBox probe;
        probe.setFont(box->font());
        probe.addItem("");
        return longest + probe.sizeHint().width() - 4;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->fontMetrics().horizontalAdvance(edit->text()) + 8;
    if (auto* button = qobject_cast<QPushButton*>(w))
        return button->fontMetrics().horizontalAdvance(button->text()) + 12;
    if (auto* label = qobject_cast<QLabel*>(w)) return label->fontMetrics().horizontalAdvance(label->text());
    return 0;
}

class TextsTest : public FeatureFormTest {
protected:
    template <class F>
    void ExpectFits(const std::vector<const char*>& names)
    {
        RunForm<F>([](F*) { return true; }, [&](F* f) {
            for (const char* name : names) {
                auto* c = dynamic_cast<TControl*>(f->FindComponent(name));
                ASSERT_NE(c, nullptr) << name;
                EXPECT_LE(Needed(c->Widget()), c->Widget()->width()) << typeid(F).name() << "." << name;
            }
        });
    }
};

TEST_F(TextsTest, LongestValuesAndCaptionsFitTheirControls)
{
    StartSwitch();
    ExpectFits<TVLanPortInfomationForm>({"AcceptableFrameTypes", "GvrpStatus", "IngressFiltering"});
    ExpectFits<TEquipmentBasicInfoForm>({"Label1", "Edit1"});
    ExpectFits<TIPv6MaskInfoForm>({"cbxMaskState", "cbxMaskClass", "cbxMaskFlowlabel"});
    ExpectFits<TIpStaticRouteForm>({"btnDefaultRoute"});
    ExpectFits<TRouteRedistributForm>({"Label1", "Label2", "ComboBox1", "ComboBox2"});
}

// A port list the form cannot show is named in the status bar, and the whole line is readable.
TEST_F(TextsTest, TheStormControlResultLineIsShownWhole)
{
    StartSwitch({"1.3.6.1.4.1.171.12.25.1.1.0 rw hex 4000 size=0..96"});
    RunForm<TPacketStormControlForm>([](TPacketStormControlForm* f) { return f->Request && !f->Request->Busy; },
                                     [&](TPacketStormControlForm* f) {
                                         TStatusPanel* panel = f->StatusBar1->Panels()->Items(0);
                                         ASSERT_FALSE(panel->Text().IsEmpty());
                                         QLabel* label = panel->Label();
                                         EXPECT_LE(Needed(label) + 4, label->width()) << panel->Text().std();
                                     });
}

// Set Checked marks a filled row with its panel's caption; the mark is not drawn in the gap
// between the month list and the hour edit.
TEST_F(TextsTest, ASummerTimeRowShowsNoMarkBetweenItsParts)
{
    StartSwitch();
    RunMenu<TSummerTimeForm>("SummerTime1", [](TSummerTimeForm* f) { return f->Request && !f->Request->Busy; },
                             [&](TSummerTimeForm* f) {
                                 for (TCtrlsList* row : f->AnnualRows) {
                                     auto* panel = static_cast<TPanel*>(static_cast<TControl*>(row->Get(0)));
                                     panel->SetCaption("-");
                                     const QImage image = panel->Widget()->grab().toImage();
                                     const QColor back = panel->Widget()->palette().color(QPalette::Window);
                                     const int mid = image.width() / 2;
                                     for (int x = mid - 3; x <= mid + 3; ++x)
                                         for (int y = 0; y < image.height(); ++y)
                                             ASSERT_EQ(image.pixelColor(x, y), back) << x << "," << y;
                                 }
                             });
}

}  // namespace
