// Forms that write synchronously: the write's re-read processes window messages while it
// fills the list, and clicks that arrive meanwhile start nothing on the form.
#include <QMouseEvent>

#include "forms/acl/EthernetMaskInformation.h"
#include "forms/acl/IPv6MaskInfo.h"
#include "tests/forms/acl/aclfixture.h"

namespace {

// Queues a click on the control: it is handled when window messages are next processed.
void PostClick(TControl* c)
{
    QWidget* w = c->Widget();
    const QPointF at = QRectF(w->rect()).center();
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                                                   Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, at, w->mapToGlobal(at),
                                                   Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

class SyncInputTest : public AclFormTest {
protected:
    // Fills a new profile 3, queues two more clicks on Add, then runs Add: the queued clicks
    // arrive while the write's re-read runs.
    template <class F>
    void AddClickedThrice(const char* menu, const std::function<void(F*)>& fill, TButton* F::*add)
    {
        StartSwitch();
        Open<F>(menu, [&](F* f) {
            fill(f);
            Mark();
            PostClick(f->*add);
            PostClick(f->*add);
            (f->*add)->Click();
            WaitIdle(f->Request);
            EXPECT_EQ(Since("SET").size(), 1u);
            EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "2", "3"}));
            EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
            EXPECT_TRUE((f->*add)->Enabled());
        });
    }
};

}  // namespace

TEST_F(SyncInputTest, ClicksDuringAWriteStartNoSecondWrite)
{
    {
        SCOPED_TRACE("Ethernet mask");
        AddClickedThrice<TEthernetMaskInformationForm>(
            "EthernetMask1",
            [](TEthernetMaskInformationForm* f) {
                f->IDEdit->SetText("3");
                f->MacMaskStateComBo->SetItemIndex(1);
                f->MacMaskDstEdit->SetText("FFFFFF000000");
                f->RowStatusComBo->SetItemIndex(3);
            },
            &TEthernetMaskInformationForm::AddBtn);
    }
    {
        SCOPED_TRACE("IPv6 mask");
        AddClickedThrice<TIPv6MaskInfoForm>(
            "IPv6MaskInformation1",
            [](TIPv6MaskInfoForm* f) {
                f->edtMaskID->SetText("3");
                f->RadioButton1->SetChecked(true);
                f->cbxMaskClass->SetItemIndex(0);
            },
            &TIPv6MaskInfoForm::AddButton);
    }
}
