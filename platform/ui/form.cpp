// TForm on QDialog: showing, modal loop, closing protocol, activation, key preview.
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionFrame>
#include <QStyleOptionTitleBar>
#include <QTimer>
#include <QWindow>

#include "platform/ui/forms.h"
#include "platform/ui/menubar.h"
#include "platform/ui/menus.h"
#include "platform/ui/stdctrls.h"

namespace {

TForm* NearestForm(QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (auto* f = dynamic_cast<TForm*>(w)) return f;
    return nullptr;
}

QRect GlobalRect(QWidget* w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

}  // namespace

TForm* GetParentForm(const TControl* control)
{
    for (const TControl* c = control; c; c = c->Parent())
        if (auto* f = dynamic_cast<const TForm*>(c)) return const_cast<TForm*>(f);
    return nullptr;
}

TForm::TForm(TComponent* owner) : TQtControl<QDialog>(owner), client_(new QWidget(this))
{
    visible_ = false;
    SetBorderStyle(bsSizeable);
    setSizeGripEnabled(false);
    resize(400, 300);
    LayoutClient();
}

TForm::~TForm()
{
    if (Application->MainForm() == this) Application->SetMainForm(nullptr);
    if (keyPreview_) qApp->removeEventFilter(this);
    if (menu_) {
        // The menu belongs to its owner, not to this window.
        if (WrappingMenuBar* bar = menu_->MenuBar()) {
            bar->hide();
            bar->setParent(nullptr);
        }
        menu_->SetForm(nullptr);
    }
}

void TForm::DoCreate()
{
    if (created_) return;
    created_ = true;
    FireEvent(OnCreate, static_cast<TObject*>(this));
}

void TForm::SetBorderStyle(TFormBorderStyle s)
{
    borderStyle_ = s;
    if (!isWindow()) {
        setAutoFillBackground(Framed());
        Resized();
        update();
        return;
    }
    bool shown = isVisible();
    Qt::WindowFlags f = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint;
    if (s == bsSizeable) f |= Qt::WindowMinMaxButtonsHint;
    else if (s == bsSingle) f |= Qt::WindowMinimizeButtonHint;
    if (s == bsNone) f = Qt::Dialog | Qt::FramelessWindowHint;
    setWindowFlags(f);
    ApplySizeLimits();
    if (shown) show();
}

void TForm::ApplySizeLimits()
{
    if (borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin || !isWindow()) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setFixedSize(size());
    }
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    TQtControl<QDialog>::SetBounds(left, top, width, height);
    ApplySizeLimits();
}

void TForm::SetClientWidth(int w) { SetWidth(w + width() - client_->width()); }

void TForm::SetClientHeight(int h) { SetHeight(h + height() - client_->height()); }

void TForm::LayoutClient()
{
    const QMargins m = FrameMargins();
    const int w = std::max(0, width() - m.left() - m.right());
    int top = m.top();
    WrappingMenuBar* bar = menu_ ? menu_->MenuBar() : nullptr;
    if (bar) {
        int h = bar->heightForWidth(w);
        bar->setGeometry(m.left(), top, w, h);
        top += h;
    }
    client_->setGeometry(m.left(), top, w, std::max(0, height() - top - m.bottom()));
}

// ---- a child form's frame and caption ----

QMargins TForm::FrameMargins() const
{
    if (!Framed()) return QMargins();
    const int f = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    return QMargins(f, f + CaptionRect().height(), f, f);
}

QRect TForm::CaptionRect() const
{
    if (!Framed()) return QRect();
    const int f = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int h = std::max(style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this),
                           fontMetrics().height() + 6);
    return QRect(f, f, std::max(0, width() - 2 * f), h);
}

void TForm::changeEvent(QEvent* e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::WindowTitleChange && Framed()) update(CaptionRect());
}

void TForm::paintEvent(QPaintEvent* e)
{
    QDialog::paintEvent(e);
    if (!Framed()) return;
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Active | QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_FrameWindow, &frame, &painter, this);
    // The caption as an active window shows it, without border icons.
    QStyleOptionTitleBar title;
    title.initFrom(this);
    title.rect = CaptionRect();
    title.text = windowTitle();
    title.titleBarFlags = Qt::Window | Qt::WindowTitleHint;
    title.titleBarState = Qt::WindowActive | QStyle::State_Active;
    title.subControls = QStyle::SC_TitleBarLabel;
    title.activeSubControls = QStyle::SC_None;
    title.state |= QStyle::State_Active;
    title.palette.setCurrentColorGroup(QPalette::Active);
    style()->drawComplexControl(QStyle::CC_TitleBar, &title, &painter, this);
}

void TForm::Resized()
{
    LayoutClient();
    AlignControls();
}

void TForm::SetMenu(TMainMenu* menu)
{
    if (menu == menu_) return;
    if (menu_) {
        if (WrappingMenuBar* bar = menu_->MenuBar()) {
            bar->hide();
            bar->setParent(nullptr);
        }
        menu_->SetForm(nullptr);
    }
    menu_ = menu;
    if (menu_) {
        menu_->SetForm(this);
        if (WrappingMenuBar* bar = menu_->MenuBar()) {
            bar->setParent(this);
            bar->show();
        }
    }
    Resized();
}

void TForm::SetKeyPreview(bool v)
{
    if (v == keyPreview_) return;
    keyPreview_ = v;
    if (v) qApp->installEventFilter(this);
    else qApp->removeEventFilter(this);
}

// ---- showing ----

void TForm::PlaceOnShow()
{
    bool centre = position_ == poScreenCenter || position_ == poDesktopCenter ||
                  position_ == poMainFormCenter || position_ == poOwnerFormCenter;
    if (!isWindow()) {
        if (!Parent()) return;
        // A child centres in its parent, narrowed where needed to show whole inside it.
        if (!centre) return;
        QRect r = Parent()->ClientRect();
        if (width() > r.width() || height() > r.height())
            SetBounds(x(), y(), std::min(width(), r.width()), std::min(height(), r.height()));
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
        return;
    }
    if (!centre) {
        if (position_ == poDesigned) move(pos());  // no placement of the window system's own
        return;
    }
    QRect target;
    TForm* over = nullptr;
    if (position_ == poOwnerFormCenter) over = dynamic_cast<TForm*>(Owner());
    if (!over && (position_ == poMainFormCenter || position_ == poOwnerFormCenter))
        over = Application->MainForm();
    if (over && over != this && over->isVisible()) {
        target = GlobalRect(over);
    } else if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        target = s->availableGeometry();
    } else {
        return;
    }
    move(target.x() + (target.width() - width()) / 2, target.y() + (target.height() - height()) / 2);
}

void TForm::SetVisible(bool v)
{
    if (v) {
        DoCreate();
        PlaceOnShow();
        if (isWindow()) {
            visible_ = true;
            show();
            raise();
            activateWindow();
        } else {
            TQtControl<QDialog>::SetVisible(true);
            raise();
        }
    } else {
        if (isWindow()) {
            visible_ = false;
            hide();
        } else {
            TQtControl<QDialog>::SetVisible(false);
        }
    }
}

void TForm::SetParent(TWinControl* parent)
{
    bool wasVisible = visible_;
    const QSize client = client_->size();
    TQtControl<QDialog>::SetParent(parent);
    if (!parent) {
        SetBorderStyle(borderStyle_);  // a window again
        if (wasVisible && !modalLoop_) show();  // a modal one is about to end anyway
    }
    // A child draws its frame and caption around the client area, a window leaves them to
    // the window system: the client keeps its size either way.
    setAutoFillBackground(Framed());
    LayoutClient();
    if (client_->size() != client) {
        SetClientWidth(client.width());
        SetClientHeight(client.height());
    }
    ApplySizeLimits();
}

void TForm::SetActive(bool v)
{
    if (v == active_) return;
    active_ = v;
    if (v && isWindow()) {
        // The form that was the application's active one (and its child forms) gives it up first.
        static QPointer<TForm> activeForm;
        QPointer<TForm> before = activeForm;
        activeForm = this;
        if (before && before != this) {
            for (TForm* child : before->findChildren<TForm*>()) child->SetActive(false);
            before->SetActive(false);
        }
    }
    FireEvent(v ? OnActivate : OnDeactivate, static_cast<TObject*>(this));
}

bool TForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) {
        SetActive(true);
    } else if (e->type() == QEvent::WindowDeactivate) {
        // A window that is no form (a message box) takes the activation without changing the
        // application's active form, so its closing does not activate the form anew.
        QWidget* now = QApplication::activeWindow();
        if (!now || dynamic_cast<TForm*>(now)) SetActive(false);
    }
    return QDialog::event(e);
}

void TForm::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    visible_ = true;
    LayoutClient();
    AlignControls();
    FireEvent(OnShow, static_cast<TObject*>(this));
    if (activeControl_) activeControl_->setFocus(Qt::OtherFocusReason);
}

TWinControl* TForm::ActiveControl() const
{
    QWidget* focus = isVisible() ? focusWidget() : nullptr;
    for (QWidget* w = focus; w && w != this; w = w->parentWidget())
        if (auto* c = dynamic_cast<TWinControl*>(w)) return c;
    return activeControl_ ? dynamic_cast<TWinControl*>(activeControl_.data()) : nullptr;
}

void TForm::SetActiveControl(TWinControl* control)
{
    activeControl_ = control ? control->Widget() : nullptr;
    if (control && isVisible()) control->SetFocus();
}

void TForm::hideEvent(QHideEvent* e)
{
    QDialog::hideEvent(e);
    if (e->spontaneous()) return;
    FireEvent(OnHide, static_cast<TObject*>(this));
    SetActive(false);
}

// ---- modal loop and closing ----

int TForm::ShowModal()
{
    if (modalLoop_ || isVisible())
        throw EInvalidOperation("Cannot make a visible window modal");
    QPointer<QWidget> previous = QApplication::activeWindow();
    modalResult_ = mrNone;
    bool window = isWindow();
    if (window) {
        setWindowModality(Qt::ApplicationModal);
        if (previous && previous != this) {
            winId();
            if (windowHandle() && previous->windowHandle())
                windowHandle()->setTransientParent(previous->windowHandle());
        }
    }
    QEventLoop loop;
    modalLoop_ = &loop;
    SetVisible(true);
    SetActive(true);  // the class library activates a modal form at once
    if (!Application->Terminated()) loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
    if (modalResult_ == mrNone) modalResult_ = mrCancel;  // the application is ending
    SetVisible(false);
    if (window) setWindowModality(Qt::NonModal);
    if (previous && previous != this && previous->isVisible()) previous->activateWindow();
    return modalResult_;
}

void TForm::SetModalResult(TModalResult r)
{
    modalResult_ = r;
    if (!modalLoop_ || r == mrNone || closePending_) return;
    // The modal loop closes the form once the current message is done.
    closePending_ = true;
    QTimer::singleShot(0, this, [this] {
        closePending_ = false;
        if (modalLoop_ && modalResult_ != mrNone) CloseModal();
    });
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (!FireEvent(OnCloseQuery, static_cast<TObject*>(this), canClose)) return false;
    return canClose;
}

TCloseAction TForm::DoClose()
{
    TCloseAction action = caHide;
    if (!FireEvent(OnClose, static_cast<TObject*>(this), action)) return caNone;
    return action;
}

void TForm::CloseModal()
{
    TCloseAction action = CloseQuery() ? DoClose() : caNone;
    if (action == caNone) {
        modalResult_ = mrNone;
        return;
    }
    if (action == caFree) Release();
    if (modalLoop_) modalLoop_->quit();
}

void TForm::Close()
{
    if (modalLoop_) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = DoClose();
    if (action == caNone) return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caMinimize:
        if (isWindow()) showMinimized();
        break;
    case caFree: Release(); break;
    default: SetVisible(false); break;
    }
}

void TForm::Release()
{
    if (released_) return;
    released_ = true;
    SetVisible(false);
    deleteLater();  // a caller that deletes the form first cancels this
}

void TForm::closeEvent(QCloseEvent* e)
{
    // The window system's close goes through the form's own closing protocol.
    e->ignore();
    Close();
}

void TForm::done(int) { Close(); }

// ---- keys ----

void TForm::keyPressEvent(QKeyEvent* e)
{
    QPointer<QObject> alive(this);
    if (!keyPreview_ && !TWinControl::KeyDown(e)) {
        e->accept();
        return;
    }
    if (!alive) return;
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        // Escape clicks the Cancel button; without one it does nothing.
        for (QPushButton* b : findChildren<QPushButton*>()) {
            auto* tb = dynamic_cast<TButton*>(b);
            if (tb && tb->Cancel() && tb->isVisible() && tb->isEnabled() &&
                GetParentForm(tb) == this) {
                tb->Click();
                break;
            }
        }
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool TForm::eventFilter(QObject* watched, QEvent* e)
{
    // Key preview: the form's OnKeyDown sees every key for its controls first.
    if (e->type() == QEvent::KeyPress && keyPreview_ && OnKeyDown) {
        auto* w = qobject_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        if (w && (w == focus || (!focus && w == this)) && NearestForm(w) == this) {
            auto* ke = static_cast<QKeyEvent*>(e);
            WORD key = VirtualKeyOf(ke->key());
            if (key != 0) {
                FireEvent(OnKeyDown, static_cast<TObject*>(this), key, ShiftStateOf(ke->modifiers()));
                if (key == 0) return true;
            }
        }
    }
    return QDialog::eventFilter(watched, e);
}
